#include "frmSettings.h"

#include "Dialogs.h"
#include "LessonsDialog.h"
#include "NumberText.h"
#include "SettingsFont.h"
#include "TabOrder.h"
#include "Twips.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

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

frmSettings::frmSettings(CountingSession &session, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Change Settings"));
    setFont(settingsFont(formPoints));
    setFixedSize(twipsSize(clientWidth, clientHeight + lessonsRowHeight));
    setModal(true);

    counter1Frame = addFrame(this, "Frame1", tr("Counter 1"), twipsRect(120, 120, 3255, 1800));
    lblF = addLabel(counter1Frame, "lblF", tr("First Number"), twipsRect(200, 360, 1935, 255));
    lblS = addLabel(counter1Frame, "lblS", tr("First Step"), twipsRect(200, 840, 1815, 255));
    lblI = addLabel(counter1Frame, "lblI", tr("Step Changes by"), twipsRect(200, 1320, 1935, 255));
    txtF = addBox(counter1Frame, "txtF", twipsRect(2100, 240, 975, 420), lblF);
    txtS = addBox(counter1Frame, "txtS", twipsRect(2100, 720, 975, 420), lblS);
    txtI = addBox(counter1Frame, "txtI", twipsRect(2100, 1200, 975, 420), lblI);

    lblSpeed = addLabel(this, "lblSpeed", tr("Speed in secs."), twipsRect(360, 2160, 1770, 255));
    txtSpeed = addBox(this, "txtSpeed", twipsRect(2220, 2040, 975, 420), lblSpeed);

    counter2Frame = addFrame(this, "Frame2", tr("Counter 2"), twipsRect(120, 2640, 3255, 1785));
    chkC2on = new QCheckBox(counter2Frame);
    chkC2on->setObjectName(QStringLiteral("chkC2on"));
    chkC2on->setAccessibleName(tr("Counter 2"));
    chkC2on->setGeometry(twipsRect(1000, 0, 250, 220));
    placeCheckBoxAfterCaption();
    counter2Touch = new TouchArea(chkC2on, this);
    lblF2 = addLabel(counter2Frame, "lblF2", tr("First Number"), twipsRect(200, 360, 1695, 255));
    lblS2 = addLabel(counter2Frame, "lblS2", tr("First Step"), twipsRect(200, 840, 1695, 255));
    lblI2 = addLabel(counter2Frame, "lblI2", tr("Step Changes by"), twipsRect(200, 1320, 1935, 255));
    txtF2 = addBox(counter2Frame, "txtF2", twipsRect(2100, 240, 975, 420), lblF2);
    txtS2 = addBox(counter2Frame, "txtS2", twipsRect(2100, 720, 975, 420), lblS2);
    txtI2 = addBox(counter2Frame, "txtI2", twipsRect(2100, 1200, 975, 420), lblI2);

    cmdOK = addButton(this, "cmdOK", tr("OK"), twipsRect(240, 4560, 1215, 615));
    cmdCancel = addButton(this, "cmdCancel", tr("Cancel"), twipsRect(2040, 4560, 1215, 615));
    cmdLessons = addButton(this, "cmdLessons", tr("Lessons…"), twipsRect(240, 5295, 3015, 615));
    cmdOK->setDefault(true);

    keypad = new Keypad(this);
    keypad->attach(boxes(), chkC2on);

    QList<QWidget *> tabOrder;
    for (QLineEdit *box : boxes())
        tabOrder << box;
    tabOrder << cmdOK << cmdCancel << chkC2on << cmdLessons;
    for (QPushButton *key : keypad->keys())
        tabOrder << key;
    setTabOrderOf(tabOrder);

    m_leftsWithKeypadRight = {{counter1Frame, 120}, {counter2Frame, 120}, {lblSpeed, 360},
                              {txtSpeed, 2220}, {cmdOK, 240}, {cmdCancel, 2040}, {cmdLessons, 240}};

    connect(chkC2on, &QCheckBox::toggled, this, &frmSettings::chkC2on_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSettings::cmdCancel_Click);
    connect(cmdLessons, &QPushButton::clicked, this, &frmSettings::cmdLessons_Click);
    connect(keypad, &Keypad::moveRequested, this, &frmSettings::cmdSwitch_Click);

    Form_Load();
    fill(LessonPlan::of(m_session));
}

// The check box stands on counter 2's frame caption line, just after "Counter 2",
// whatever width the caption takes in the font at hand.
void frmSettings::placeCheckBoxAfterCaption()
{
    const QRect caption = counter2Caption();
    const int gap = twipsToPixels(60);
    const int left = std::max(chkC2on->x(), caption.right() + gap);
    const int top = std::max(0, caption.center().y() - chkC2on->height() / 2);
    chkC2on->move(left, top);
}

QRect frmSettings::counter2Caption() const
{
    QStyleOptionGroupBox option;
    option.initFrom(counter2Frame);
    option.text = counter2Frame->title();
    option.textAlignment = counter2Frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return counter2Frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, counter2Frame);
}

// The caption "Counter 2" toggles the check box too, in a finger-high strip.
void frmSettings::placeCounter2TouchArea()
{
    const QRect captionAndBox = counter2Caption().united(chkC2on->geometry());
    counter2Touch->cover(captionAndBox.translated(counter2Frame->pos()));
}

void frmSettings::Form_Load()
{
    dockKeypad(m_session.keypadOnRight);
}

void frmSettings::dockKeypad(bool onRight)
{
    const double shift = onRight ? 0 : keypadShift;
    for (const auto &[widget, left] : m_leftsWithKeypadRight)
        widget->move(twipsToPixels(left + shift), widget->y());
    keypad->setGeometry(twipsRect(onRight ? clientWidth - Keypad::width : 0, 0, Keypad::width,
                                  clientHeight + lessonsRowHeight));
    placeCounter2TouchArea();
    m_keypadOnRight = onRight;
}

void frmSettings::fill(const LessonPlan &plan)
{
    txtF->setText(numberToText(plan.counter1.firstNumber));
    txtS->setText(numberToText(plan.counter1.firstStep));
    txtI->setText(numberToText(plan.counter1.stepChange));
    txtSpeed->setText(numberToText(plan.speed));
    txtF2->setText(numberToText(plan.counter2.firstNumber));
    txtS2->setText(numberToText(plan.counter2.firstStep));
    txtI2->setText(numberToText(plan.counter2.stepChange));
    chkC2on->setChecked(plan.twoCounters);
    chkC2on_Click();
}

void frmSettings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    keypad->focusBox(1);
}

void frmSettings::chkC2on_Click()
{
    const bool on = chkC2on->isChecked();
    for (QWidget *widget : QList<QWidget *>{txtF2, txtS2, txtI2, lblF2, lblS2, lblI2})
        widget->setEnabled(on);
}

bool frmSettings::readsInRange(const QLineEdit *box) const
{
    const ReadNumber number = readNumber(box->text());
    return number.inRange && (box != txtSpeed || (fitsSingle(number.value) && number.value <= slowestTypedSpeed));
}

// A number the session cannot hold is refused before anything is written,
// and the teacher is taken back to it.
void frmSettings::refuse(QLineEdit *box)
{
    m_dialogs.showMessage(Messages::numberTooLarge(), this);
    // Without a window manager nothing else gives the keyboard back to us.
    activateWindow();
    keypad->focusBox(int(boxes().indexOf(box)) + 1);
}

QLineEdit *frmSettings::firstOutOfRange() const
{
    QList<QLineEdit *> read = {txtF, txtS, txtI, txtSpeed};
    if (chkC2on->isChecked())
        read << txtF2 << txtS2 << txtI2;
    for (QLineEdit *box : read)
        if (!readsInRange(box))
            return box;
    return nullptr;
}

LessonPlan frmSettings::boxesAsLesson() const
{
    const auto number = [](const QLineEdit *box) {
        const ReadNumber read = readNumber(box->text());
        return read.inRange ? read.value : 0.0;
    };
    return {QString(), QString(), {number(txtF), number(txtS), number(txtI)}, float(number(txtSpeed)),
            chkC2on->isChecked(), {number(txtF2), number(txtS2), number(txtI2)}};
}

void frmSettings::cmdOK_Click()
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
    m_applied = SettingsApplied{txtF->text(), plan.twoCounters ? txtF2->text() : QString(), plan.twoCounters};
    accept();
}

void frmSettings::cmdCancel_Click()
{
    QDialog::reject();
}

// Escape and the window's close box cancel, as the Cancel button does.
void frmSettings::reject()
{
    cmdCancel_Click();
}

void frmSettings::cmdSwitch_Click()
{
    dockKeypad(!m_keypadOnRight);
    m_session.keypadOnRight = m_keypadOnRight;
    keypad->focusBox(keypad->currentBox());
}

// Nothing is written until OK: a chosen lesson only fills the boxes.
void frmSettings::cmdLessons_Click()
{
    const std::optional<LessonPlan> current = firstOutOfRange() ? std::nullopt : std::optional(boxesAsLesson());
    if (const std::optional<LessonPlan> chosen = showLessonsDialog(current, m_dialogs, this)) {
        fill(*chosen);
        keypad->focusBox(1);
    }
}

std::optional<SettingsApplied> showSettingsDialog(CountingSession &session, QWidget *mainWindow, Dialogs &dialogs)
{
    std::optional<SettingsApplied> applied;
    {
        frmSettings dialog(session, dialogs, mainWindow);
        dialog.exec();
        applied = dialog.applied();
    }
    return applied;
}
