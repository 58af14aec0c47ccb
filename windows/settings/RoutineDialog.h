#pragma once

// The routine for the runs to come, made for a finger: pauses the run makes
// by itself (after every N counts, or when a counter reaches a value), the
// numbers hushed as "?", and counting aloud where a voice speaks the
// program's language. Counts are set with large - and + buttons, the value
// to pause at with a keypad, so no keyboard is needed. The voices are told
// once they are known: looking for them never holds the dialog up. OK hands
// the routine back to the settings dialog, which keeps it with the other
// settings; Cancel changes nothing.

#include "engine/Routine.h"
#include "platform/speech/VoiceCatalog.h"

#include <QDialog>

#include <optional>

class AnswerKeypad;
class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class RoutineDialog : public QDialog {
    Q_OBJECT
public:
    // About what a voice takes to say a number of a few digits: a faster
    // speed leaves some numbers unsaid.
    static constexpr double secondsToSayANumber = 1.0;

    // speed: the seconds a count the settings dialog's box holds; voices:
    // nothing while they are still being looked for.
    RoutineDialog(const Routine &routine, double speed, const std::optional<Voices> &voices, Dialogs &dialogs,
                  QWidget *parent);

    // The routine as OK left it.
    const Routine &routine() const { return m_routine; }

public slots:
    void showVoices(const Voices &voices);

private:
    void followChecks();
    void applyAndClose();

    QCheckBox *pauseEveryCheck;
    QSpinBox *pauseEverySpin;
    QCheckBox *pauseAtCheck;
    QComboBox *pauseCounterCombo;
    QLineEdit *pauseValueEdit;
    AnswerKeypad *valueKeypad;
    QCheckBox *hushCheck;
    QSpinBox *hushSpin;
    QCheckBox *aloudCheck;
    QLabel *voicesLabel;
    QLabel *paceLabel;
    QPushButton *okButton;
    QPushButton *cancelButton;

    Dialogs &m_dialogs;
    Routine m_routine;
    double m_speed;
    bool m_voiceKnown = false;
};
