#include "windows/settings/RoutineDialog.h"

#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "platform/Dialogs.h"
#include "widgets/AnswerKeypad.h"
#include "widgets/TouchSizing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setMinimumHeight(Touch::rowHeight);
    return widget;
}

QGroupBox *frame(const QString &title, const char *name)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QSpinBox *everySpin(const char *name, int value)
{
    auto *spin = named(new QSpinBox, name);
    spin->setRange(1, Routine::longestEvery);
    spin->setValue(value > 0 ? value : 1);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    spin->setMinimumWidth(Touch::rowHeight * 2);
    return spin;
}

// A count set by a finger: - and + a finger's width either side of the
// box, repeating while held.
QWidget *stepped(QSpinBox *spin, const QString &name)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString &text, const QString &suffix, const QString &accessible) {
        auto *pressed = new QPushButton(text);
        pressed->setObjectName(name + suffix);
        pressed->setAccessibleName(accessible);
        pressed->setFixedSize(Touch::rowHeight, Touch::rowHeight);
        // Nearer than the dialog's sheet, which widens push buttons for words.
        pressed->setStyleSheet(QStringLiteral("min-width: %1px; max-width: %1px;").arg(Touch::rowHeight));
        pressed->setAutoRepeat(true);
        pressed->setFocusPolicy(Qt::NoFocus);
        return pressed;
    };
    QPushButton *less = button(QStringLiteral("\u2212"), QStringLiteral("Less"), RoutineDialog::tr("Fewer"));
    QPushButton *more = button(QStringLiteral("+"), QStringLiteral("More"), RoutineDialog::tr("More"));
    QObject::connect(less, &QPushButton::clicked, spin, &QSpinBox::stepDown);
    QObject::connect(more, &QPushButton::clicked, spin, &QSpinBox::stepUp);
    layout->addWidget(less);
    layout->addWidget(spin);
    layout->addWidget(more);
    return row;
}

} // namespace

RoutineDialog::RoutineDialog(const Routine &routine, double speed, const std::optional<Voices> &voices,
                             Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_routine(routine), m_speed(speed)
{
    setObjectName(QStringLiteral("frmRoutine"));
    setWindowTitle(tr("Routine"));
    setModal(true);

    auto *pauseFrame = frame(tr("Pause by itself"), "fraPause");
    pauseEveryCheck = named(new QCheckBox(tr("After every")), "chkPauseEvery");
    pauseEverySpin = everySpin("spnPauseEvery", routine.pauseEvery);
    pauseEverySpin->setAccessibleName(tr("Counts between pauses"));
    pauseAtCheck = named(new QCheckBox(tr("When")), "chkPauseAt");
    pauseCounterCombo = named(new QComboBox, "cboPauseCounter");
    pauseCounterCombo->addItems({tr("counter 1"), tr("counter 2")});
    pauseCounterCombo->setAccessibleName(tr("Counter"));
    pauseValueEdit = named(new QLineEdit, "txtPauseAt");
    pauseValueEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pauseValueEdit->setAccessibleName(tr("Value to pause at"));
    valueKeypad = new AnswerKeypad(*pauseValueEdit, this);
    valueKeypad->setObjectName(QStringLiteral("pauseAtKeypad"));
    auto *pauseGrid = new QGridLayout(pauseFrame);
    pauseGrid->addWidget(pauseEveryCheck, 0, 0);
    pauseGrid->addWidget(stepped(pauseEverySpin, QStringLiteral("pauseEvery")), 0, 1);
    pauseGrid->addWidget(new QLabel(tr("counts")), 0, 2);
    pauseGrid->addWidget(pauseAtCheck, 1, 0);
    pauseGrid->addWidget(pauseCounterCombo, 1, 1);
    pauseGrid->addWidget(new QLabel(tr("reaches")), 1, 2);
    pauseGrid->addWidget(pauseValueEdit, 1, 3);

    auto *hushFrame = frame(tr("Hush numbers"), "fraHush");
    hushCheck = named(new QCheckBox(tr("Show “?” for one number in every")), "chkHush");
    hushSpin = everySpin("spnHush", routine.hushEvery);
    hushSpin->setAccessibleName(tr("Numbers to each hushed one"));
    auto *hushRow = new QHBoxLayout(hushFrame);
    hushRow->addWidget(hushCheck);
    hushRow->addWidget(stepped(hushSpin, QStringLiteral("hush")));
    hushRow->addStretch();

    auto *aloudFrame = frame(tr("Count aloud"), "fraAloud");
    aloudCheck = named(new QCheckBox(tr("Say each number as it appears")), "chkAloud");
    voicesLabel = named(new QLabel, "lblVoices");
    voicesLabel->setWordWrap(true);
    paceLabel = named(new QLabel, "lblAloudPace");
    paceLabel->setWordWrap(true);
    auto *aloudColumn = new QVBoxLayout(aloudFrame);
    aloudColumn->addWidget(aloudCheck, 0, Qt::AlignLeft);  // as wide as what a tap ticks
    aloudColumn->addWidget(voicesLabel);
    aloudColumn->addWidget(paceLabel);
    // Written so that a NaN speed counts as too fast, as it does in the run.
    paceLabel->setText(tr("At %1 s a count there is no time to say every number: each number is said only "
                          "once the one before has been said in full.")
                           .arg(numberToText(speed)));

    okButton = named(new QPushButton(tr("OK")), "cmdOK");
    cancelButton = named(new QPushButton(tr("Cancel")), "cmdCancel");
    okButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    // The keypad beside the rows, so the dialog fits a laptop's screen too.
    auto *sides = new QHBoxLayout(this);
    auto *column = new QVBoxLayout;
    column->addWidget(pauseFrame);
    column->addWidget(hushFrame);
    column->addWidget(aloudFrame);
    column->addStretch();
    column->addLayout(buttons);
    sides->addLayout(column);
    sides->addWidget(valueKeypad, 0, Qt::AlignTop);
    Touch::enlargeForTouch(this);
    // Boxes a finger can tick, and never a dialog too small for its rows.
    setStyleSheet(styleSheet()
                  + QStringLiteral(" QCheckBox::indicator { width: %1px; height: %1px; }").arg(Touch::rowHeight * 2 / 3));
    sides->setSizeConstraint(QLayout::SetMinimumSize);

    pauseEveryCheck->setChecked(routine.pauseEvery > 0);
    pauseAtCheck->setChecked(routine.pauseAt.has_value());
    pauseCounterCombo->setCurrentIndex(routine.pauseAt && routine.pauseAt->counter == 2 ? 1 : 0);
    pauseValueEdit->setText(numberToText(routine.pauseAt ? routine.pauseAt->value : Decimal()));
    hushCheck->setChecked(routine.hushEvery > 0);
    aloudCheck->setChecked(routine.countAloud);
    if (voices)
        showVoices(*voices);
    else
        voicesLabel->setText(tr("Looking for voices…"));
    paceLabel->setVisible(m_voiceKnown && !(speed >= secondsToSayANumber));
    followChecks();

    for (QCheckBox *check : {pauseEveryCheck, pauseAtCheck, hushCheck})
        connect(check, &QCheckBox::toggled, this, &RoutineDialog::followChecks);
    connect(okButton, &QPushButton::clicked, this, &RoutineDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// Until the voices are known the teacher's choice stands; a machine with no
// voice for the program's language then takes counting aloud off.
void RoutineDialog::showVoices(const Voices &voices)
{
    const QString voiced = voices.languages.isEmpty()
        ? tr("No voice is installed.")
        : tr("Voices here: %1.").arg(voices.languages.join(QStringLiteral(", ")));
    QString text;
    if (voices.soundLost)
        text = tr("No sound: the voice has stopped.") + (voices.languages.isEmpty() ? QString() : u' ' + voiced);
    else if (!voices.speaksProgramLanguage)
        text = tr("No voice here speaks this language, so Tallyvane cannot count aloud.") + u' ' + voiced;
    else
        text = voiced;
    voicesLabel->setText(text);
    m_voiceKnown = voices.speaksProgramLanguage;
    aloudCheck->setEnabled(voices.speaksProgramLanguage);
    if (!voices.speaksProgramLanguage)
        aloudCheck->setChecked(false);
    paceLabel->setVisible(m_voiceKnown && !(m_speed >= secondsToSayANumber));
}

void RoutineDialog::followChecks()
{
    pauseEverySpin->parentWidget()->setEnabled(pauseEveryCheck->isChecked());
    pauseCounterCombo->setEnabled(pauseAtCheck->isChecked());
    pauseValueEdit->setEnabled(pauseAtCheck->isChecked());
    valueKeypad->setEnabled(pauseAtCheck->isChecked());
    hushSpin->parentWidget()->setEnabled(hushCheck->isChecked());
}
// The value is read as the settings boxes are, by its leading number; one
// the counters cannot hold is refused before anything changes.
void RoutineDialog::applyAndClose()
{
    const ReadNumber value = readNumber(pauseValueEdit->text());
    if (pauseAtCheck->isChecked() && !value.inRange) {
        m_dialogs.showMessage(Messages::numberTooLarge(), this);
        pauseValueEdit->setFocus(Qt::OtherFocusReason);
        pauseValueEdit->selectAll();
        return;
    }
    m_routine.pauseEvery = pauseEveryCheck->isChecked() ? pauseEverySpin->value() : 0;
    m_routine.pauseAt = pauseAtCheck->isChecked()
        ? std::optional(PlannedValue{pauseCounterCombo->currentIndex() + 1, value.value})
        : std::nullopt;
    m_routine.hushEvery = hushCheck->isChecked() ? hushSpin->value() : 0;
    m_routine.countAloud = aloudCheck->isChecked();
    accept();
}
