#pragma once

// The settings dialog: both counters' first number, first step and step
// change, the speed, and whether counter 2 is used. The boxes hold text
// until OK, which reads the leading number of each and writes the session;
// Cancel writes nothing. The main window is not reached from here: OK's
// captions and counter mode go back to the caller, which applies them.
// The keypad (Keypad) edits the boxes alongside a real keyboard. Lessons…
// fills the boxes from a lesson plan (LessonsDialog), or keeps them as one,
// with the routine (RoutineDialog, opened by Routine…) and the main
// window's look; OK keeps the routine in the session and hands back the
// look a chosen lesson brought.

#include "engine/CountingSession.h"
#include "windows/WindowMemory.h"
#include "lessons/LessonPlan.h"
#include "widgets/TouchArea.h"
#include "windows/settings/Keypad.h"
#include "windows/settings/RoutineDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <optional>

class Dialogs;

// What the settings dialog knows of the room besides the session: the main
// window's look, which a saved lesson keeps, and the voices for counting aloud,
// looked for only when the Routine dialog opens; none without a voice at all.
struct RoomSetup {
    std::optional<LessonLook> look;
    VoiceCatalog *voices = nullptr;
};

// What OK leaves for the main window.
struct SettingsApplied {
    QString counter1Caption;  // the first numbers exactly as typed
    QString counter2Caption;  // empty with counter 2 off
    bool twoCounters = false;
    std::optional<LessonLook> look;  // a chosen lesson's, for the main window to take
};

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr double clientWidth = 6090;   // twips
    static constexpr double clientHeight = 5265;  // twips
    static constexpr double lessonsRowHeight = 735; // twips the dialog grows by for Lessons…
    static constexpr double keypadShift = 2600;   // twips the left-hand widgets move when the keypad docks left
    // An hour a count is no lesson; a longer speed is refused as too large.
    static constexpr double slowestTypedSpeed = 3600; // seconds

    SettingsDialog(CountingSession &session, WindowMemory &memory, Dialogs &dialogs, QWidget *parent,
                   RoomSetup room = {});

    // Set by OK; nothing after Cancel.
    const std::optional<SettingsApplied> &applied() const { return m_applied; }
    // In keypad numbering: firstNumberEdit, firstStepEdit, stepChangeEdit, speedEdit, firstNumber2Edit, firstStep2Edit, stepChange2Edit.
    QList<QLineEdit *> boxes() const { return {firstNumberEdit, firstStepEdit, stepChangeEdit, speedEdit, firstNumber2Edit, firstStep2Edit, stepChange2Edit}; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void counter2Toggled();
    void applyAndClose();
    void cancel();
    void switchKeypadSide();
    void chooseLesson();
    void changeRoutine();
    void fillFromSession();
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
    QLabel *firstNumberLabel;
    QLabel *firstStepLabel;
    QLabel *stepChangeLabel;
    QLineEdit *firstNumberEdit;
    QLineEdit *firstStepEdit;
    QLineEdit *stepChangeEdit;
    QLabel *speedLabel;
    QLineEdit *speedEdit;
    QGroupBox *counter2Frame;
    QCheckBox *counter2Check;
    TouchArea *counter2Touch;
    QLabel *firstNumber2Label;
    QLabel *firstStep2Label;
    QLabel *stepChange2Label;
    QLineEdit *firstNumber2Edit;
    QLineEdit *firstStep2Edit;
    QLineEdit *stepChange2Edit;
    QPushButton *okButton;
    QPushButton *cancelButton;
    QPushButton *lessonsButton;
    QPushButton *routineButton;
    Keypad *keypad;

    CountingSession &m_session;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    RoomSetup m_room;
    Routine m_routine;
    std::optional<LessonLook> m_chosenLook;
    QList<std::pair<QWidget *, double>> m_leftsWithKeypadRight;
    bool m_keypadOnRight = true;
    std::optional<SettingsApplied> m_applied;
};

// Opens the dialog modally over the main window, filled from the session,
// and returns what OK applied, or nothing after Cancel.
std::optional<SettingsApplied> showSettingsDialog(CountingSession &session, WindowMemory &memory, QWidget *mainWindow,
                                                  Dialogs &dialogs, RoomSetup room = {});
