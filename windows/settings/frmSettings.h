#pragma once

// The settings dialog: both counters' first number, first step and step
// change, the speed, and whether counter 2 is used. The boxes hold text
// until OK, which reads the leading number of each and writes the session;
// Cancel writes nothing. The main window is not reached from here: OK's
// captions and counter mode go back to the caller, which applies them.
// The keypad (Keypad) edits the boxes alongside a real keyboard. Lessons…
// fills the boxes from a lesson plan (LessonsDialog), or keeps them as one.

#include "CountingSession.h"
#include "Keypad.h"
#include "LessonPlan.h"
#include "TouchArea.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

class Dialogs;

// What OK leaves for the main window.
struct SettingsApplied {
    QString counter1Caption;  // the first numbers exactly as typed
    QString counter2Caption;  // empty with counter 2 off
    bool twoCounters = false;
};

class frmSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr double clientWidth = 6090;   // twips
    static constexpr double clientHeight = 5265;  // twips
    static constexpr double lessonsRowHeight = 735; // twips the dialog grows by for Lessons…
    static constexpr double keypadShift = 2600;   // twips the left-hand widgets move when the keypad docks left
    // An hour a count is no lesson; a longer speed is refused as too large.
    static constexpr double slowestTypedSpeed = 3600; // seconds

    frmSettings(CountingSession &session, Dialogs &dialogs, QWidget *parent);

    // Set by OK; nothing after Cancel.
    const std::optional<SettingsApplied> &applied() const { return m_applied; }
    // In keypad numbering: txtF, txtS, txtI, txtSpeed, txtF2, txtS2, txtI2.
    QList<QLineEdit *> boxes() const { return {txtF, txtS, txtI, txtSpeed, txtF2, txtS2, txtI2}; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chkC2on_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdSwitch_Click();
    void cmdLessons_Click();
    void Form_Load();
    void fill(const LessonPlan &plan);
    void dockKeypad(bool onRight);
    void placeCheckBoxAfterCaption();
    void placeCounter2TouchArea();
    QRect counter2Caption() const;
    bool readsInRange(const QLineEdit *box) const;
    // The first box OK reads whose number the session cannot hold.
    QLineEdit *firstOutOfRange() const;
    // The boxes' numbers; a greyed box out of range counts as 0.
    LessonPlan boxesAsLesson() const;
    void refuse(QLineEdit *box);

    QGroupBox *counter1Frame;
    QLabel *lblF;
    QLabel *lblS;
    QLabel *lblI;
    QLineEdit *txtF;
    QLineEdit *txtS;
    QLineEdit *txtI;
    QLabel *lblSpeed;
    QLineEdit *txtSpeed;
    QGroupBox *counter2Frame;
    QCheckBox *chkC2on;
    TouchArea *counter2Touch;
    QLabel *lblF2;
    QLabel *lblS2;
    QLabel *lblI2;
    QLineEdit *txtF2;
    QLineEdit *txtS2;
    QLineEdit *txtI2;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QPushButton *cmdLessons;
    Keypad *keypad;

    CountingSession &m_session;
    Dialogs &m_dialogs;
    QList<std::pair<QWidget *, double>> m_leftsWithKeypadRight;
    bool m_keypadOnRight = true;
    std::optional<SettingsApplied> m_applied;
};

// Opens the dialog modally over the main window, filled from the session,
// and returns what OK applied, or nothing after Cancel.
std::optional<SettingsApplied> showSettingsDialog(CountingSession &session, QWidget *mainWindow, Dialogs &dialogs);
