#include "windows/settings/SettingsDialog.h"

#include "engine/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/TabOrder.h"
#include "platform/Twips.h"
#include "windows/settings/LessonsDialog.h"
#include "windows/settings/SettingsFont.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

#include <cmath>

namespace {

constexpr double formPoints = 8.25;
constexpr double labelPoints = 9.75;
constexpr double boxPoints = 13.5;
constexpr double buttonPoints = 12;

QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(settingsFont(labelPoints));
    label->setGeometry(place);
    return label;
}

QLineEdit *addBox(QWidget *parent, const char *name, QRect place, QLabel *label)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(settingsFont(boxPoints));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    box->setGeometry(place);
    box->setAccessibleName(label->text());
    label->setBuddy(box);
    return box;
}

QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(place);
    return frame;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(settingsFont(buttonPoints));
    button->setGeometry(place);
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(CountingSession &session, WindowMemory &memory, Dialogs &dialogs, QWidget *parent,
                               RoomSetup room)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_session(session), m_memory(memory),
      m_dialogs(dialogs), m_room(std::move(room)), m_routine(session.routine)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Change Settings"));
    setFont(settingsFont(formPoints));
    setFixedSize(twipsSize(clientWidth, clientHeight + lessonsRowHeight));
    setModal(true);

    counter1Frame = addFrame(this, "Frame1", tr("Counter 1"), twipsRect(120, 120, 3255, 1800));
    firstNumberLabel = addLabel(counter1Frame, "lblF", tr("First Number"), twipsRect(200, 360, 1935, 255));
    firstStepLabel = addLabel(counter1Frame, "lblS", tr("First Step"), twipsRect(200, 840, 1815, 255));
    stepChangeLabel = addLabel(counter1Frame, "lblI", tr("Step Changes by"), twipsRect(200, 1320, 1935, 255));
    firstNumberEdit = addBox(counter1Frame, "txtF", twipsRect(2100, 240, 975, 420), firstNumberLabel);
    firstStepEdit = addBox(counter1Frame, "txtS", twipsRect(2100, 720, 975, 420), firstStepLabel);
    stepChangeEdit = addBox(counter1Frame, "txtI", twipsRect(2100, 1200, 975, 420), stepChangeLabel);

    speedLabel = addLabel(this, "lblSpeed", tr("Speed in secs."), twipsRect(360, 2160, 1770, 255));
    speedEdit = addBox(this, "txtSpeed", twipsRect(2220, 2040, 975, 420), speedLabel);

    counter2Frame = addFrame(this, "Frame2", tr("Counter 2"), twipsRect(120, 2640, 3255, 1785));
    counter2Check = new QCheckBox(counter2Frame);
    counter2Check->setObjectName(QStringLiteral("chkC2on"));
    counter2Check->setAccessibleName(tr("Counter 2"));
    counter2Check->setGeometry(twipsRect(1000, 0, 250, 220));
    placeCheckBoxAfterCaption();
    counter2Touch = new TouchArea(counter2Check, this);
    firstNumber2Label = addLabel(counter2Frame, "lblF2", tr("First Number"), twipsRect(200, 360, 1695, 255));
    firstStep2Label = addLabel(counter2Frame, "lblS2", tr("First Step"), twipsRect(200, 840, 1695, 255));
    stepChange2Label = addLabel(counter2Frame, "lblI2", tr("Step Changes by"), twipsRect(200, 1320, 1935, 255));
    firstNumber2Edit = addBox(counter2Frame, "txtF2", twipsRect(2100, 240, 975, 420), firstNumber2Label);
    firstStep2Edit = addBox(counter2Frame, "txtS2", twipsRect(2100, 720, 975, 420), firstStep2Label);
    stepChange2Edit = addBox(counter2Frame, "txtI2", twipsRect(2100, 1200, 975, 420), stepChange2Label);

    okButton = addButton(this, "cmdOK", tr("OK"), twipsRect(240, 4560, 1215, 615));
    cancelButton = addButton(this, "cmdCancel", tr("Cancel"), twipsRect(2040, 4560, 1215, 615));
    lessonsButton = addButton(this, "cmdLessons", tr("Lessons…"), twipsRect(240, 5295, 1455, 615));
    routineButton = addButton(this, "cmdRoutine", tr("Routine…"), twipsRect(1800, 5295, 1455, 615));
    okButton->setDefault(true);

    keypad = new Keypad(this);
    keypad->attach(boxes(), counter2Check);

    QList<QWidget *> tabOrder;
    for (QLineEdit *box : boxes())
        tabOrder << box;
    tabOrder << okButton << cancelButton << counter2Check << lessonsButton << routineButton;
    for (QPushButton *key : keypad->keys())
        tabOrder << key;
    setTabOrderOf(tabOrder);

    m_leftsWithKeypadRight = {{counter1Frame, 120}, {counter2Frame, 120}, {speedLabel, 360},
                              {speedEdit, 2220}, {okButton, 240}, {cancelButton, 2040}, {lessonsButton, 240},
                              {routineButton, 1800}};

    connect(counter2Check, &QCheckBox::toggled, this, &SettingsDialog::counter2Toggled);
    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::cancel);
    connect(lessonsButton, &QPushButton::clicked, this, &SettingsDialog::chooseLesson);
    connect(routineButton, &QPushButton::clicked, this, &SettingsDialog::changeRoutine);
    connect(keypad, &Keypad::moveRequested, this, &SettingsDialog::switchKeypadSide);

    fillFromSession();
    fill(LessonPlan::of(m_session));
}

// The check box stands on counter 2's frame caption line, just after "Counter 2",
// whatever width the caption takes in the font at hand.
void SettingsDialog::placeCheckBoxAfterCaption()
{
    const QRect caption = counter2Caption();
    const int gap = twipsToPixels(60);
    const int left = std::max(counter2Check->x(), caption.right() + gap);
    const int top = std::max(0, caption.center().y() - counter2Check->height() / 2);
    counter2Check->move(left, top);
}

QRect SettingsDialog::counter2Caption() const
{
    QStyleOptionGroupBox option;
    option.initFrom(counter2Frame);
    option.text = counter2Frame->title();
    option.textAlignment = counter2Frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return counter2Frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, counter2Frame);
}

// The caption "Counter 2" toggles the check box too, in a finger-high strip.
void SettingsDialog::placeCounter2TouchArea()
{
    const QRect captionAndBox = counter2Caption().united(counter2Check->geometry());
    counter2Touch->cover(captionAndBox.translated(counter2Frame->pos()));
}

void SettingsDialog::fillFromSession()
{
    dockKeypad(m_memory.keypadOnRight);
}

void SettingsDialog::dockKeypad(bool onRight)
{
    const double shift = onRight ? 0 : keypadShift;
    for (const auto &[widget, left] : m_leftsWithKeypadRight)
        widget->move(twipsToPixels(left + shift), widget->y());
    keypad->setGeometry(twipsRect(onRight ? clientWidth - Keypad::width : 0, 0, Keypad::width,
                                  clientHeight + lessonsRowHeight));
    placeCounter2TouchArea();
    m_keypadOnRight = onRight;
}

void SettingsDialog::fill(const LessonPlan &plan)
{
    firstNumberEdit->setText(numberToText(plan.counter1.firstNumber));
    firstStepEdit->setText(numberToText(plan.counter1.firstStep));
    stepChangeEdit->setText(numberToText(plan.counter1.stepChange));
    speedEdit->setText(numberToText(plan.speed));
    firstNumber2Edit->setText(numberToText(plan.counter2.firstNumber));
    firstStep2Edit->setText(numberToText(plan.counter2.firstStep));
    stepChange2Edit->setText(numberToText(plan.counter2.stepChange));
    counter2Check->setChecked(plan.twoCounters);
    counter2Toggled();
    if (plan.routine)
        m_routine = *plan.routine;
    if (plan.look)
        m_chosenLook = plan.look;
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    keypad->focusBox(1);
}

void SettingsDialog::counter2Toggled()
{
    const bool on = counter2Check->isChecked();
    for (QWidget *widget : QList<QWidget *>{firstNumber2Edit, firstStep2Edit, stepChange2Edit, firstNumber2Label, firstStep2Label, stepChange2Label})
        widget->setEnabled(on);
}

bool SettingsDialog::readsInRange(const QLineEdit *box) const
{
    if (box != speedEdit)
        return readNumber(box->text()).inRange;
    const double speed = textToNumber(box->text());
    return fitsSingle(speed) && speed <= slowestTypedSpeed;
}

// A number the session cannot hold is refused before anything is written,
// and the teacher is taken back to it.
void SettingsDialog::refuse(QLineEdit *box)
{
    m_dialogs.showMessage(Messages::numberTooLarge(), this);
    // Without a window manager nothing else gives the keyboard back to us.
    activateWindow();
    keypad->focusBox(int(boxes().indexOf(box)) + 1);
}

QLineEdit *SettingsDialog::firstOutOfRange() const
{
    QList<QLineEdit *> read = {firstNumberEdit, firstStepEdit, stepChangeEdit, speedEdit};
    if (counter2Check->isChecked())
        read << firstNumber2Edit << firstStep2Edit << stepChange2Edit;
    for (QLineEdit *box : read)
        if (!readsInRange(box))
            return box;
    return nullptr;
}

LessonPlan SettingsDialog::boxesAsLesson() const
{
    const auto number = [](const QLineEdit *box) {
        const ReadNumber read = readNumber(box->text());
        return read.inRange ? read.value : Decimal();
    };
    const double speed = textToNumber(speedEdit->text());
    return {QString(), QString(), {number(firstNumberEdit), number(firstStepEdit), number(stepChangeEdit)},
            float(std::isfinite(speed) ? speed : 0.0),
            counter2Check->isChecked(), {number(firstNumber2Edit), number(firstStep2Edit), number(stepChange2Edit)}, {},
            m_routine, m_chosenLook ? m_chosenLook : m_room.look};
}

void SettingsDialog::applyAndClose()
{
    if (QLineEdit *box = firstOutOfRange()) {
        refuse(box);
        return;
    }
    const LessonPlan plan = boxesAsLesson();
    CountingSession &s = m_session;
    s.counterCount = plan.twoCounters ? 2 : 1;
    s.counter1 = plan.counter1;
    s.speed = plan.speed < 0 ? 0 : plan.speed;
    if (plan.twoCounters)
        s.counter2 = plan.counter2;
    s.routine = m_routine;
    m_applied = SettingsApplied{firstNumberEdit->text(), plan.twoCounters ? firstNumber2Edit->text() : QString(),
                                plan.twoCounters, m_chosenLook};
    accept();
}

void SettingsDialog::cancel()
{
    QDialog::reject();
}

// Escape and the window's close box cancel, as the Cancel button does.
void SettingsDialog::reject()
{
    cancel();
}

void SettingsDialog::switchKeypadSide()
{
    dockKeypad(!m_keypadOnRight);
    m_memory.keypadOnRight = m_keypadOnRight;
    keypad->focusBox(keypad->currentBox());
}

// Nothing is written until OK: a chosen lesson only fills the boxes.
void SettingsDialog::chooseLesson()
{
    const std::optional<LessonPlan> current = firstOutOfRange() ? std::nullopt : std::optional(boxesAsLesson());
    if (const std::optional<LessonPlan> chosen = showLessonsDialog(current, m_dialogs, this)) {
        fill(*chosen);
        keypad->focusBox(1);
    }
}

// The routine applies to the runs to come, at the speed now in the box.
void SettingsDialog::changeRoutine()
{
    VoiceCatalog *catalog = m_room.voices;
    const std::optional<Voices> known = catalog ? catalog->voices() : std::optional(Voices{});
    auto *dialog = new RoutineDialog(m_routine, textToNumber(speedEdit->text()), known, m_dialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (catalog) {
        connect(catalog, &VoiceCatalog::voicesChanged, dialog, [dialog, catalog] { dialog->showVoices(*catalog->voices()); });
        catalog->lookForVoices();
    }
    connect(dialog, &QDialog::accepted, this, [this, dialog] { m_routine = dialog->routine(); });
    connect(dialog, &QDialog::finished, this, [this] { keypad->focusBox(keypad->currentBox()); });
    dialog->open();
}

std::optional<SettingsApplied> showSettingsDialog(CountingSession &session, WindowMemory &memory, QWidget *mainWindow,
                                                  Dialogs &dialogs, RoomSetup room)
{
    std::optional<SettingsApplied> applied;
    {
        SettingsDialog dialog(session, memory, dialogs, mainWindow, std::move(room));
        dialog.exec();
        applied = dialog.applied();
    }
    return applied;
}
