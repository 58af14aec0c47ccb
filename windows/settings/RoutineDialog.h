#pragma once

// The routine for the runs to come, made for a finger: pauses the run makes
// by itself (after every N counts, or when a counter reaches a value), the
// numbers hushed as "?", and counting aloud where a voice speaks the
// program's language. OK hands the routine back to the settings dialog,
// which keeps it with the other settings; Cancel changes nothing.

#include "engine/Routine.h"

#include <QDialog>
#include <QStringList>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The voices the machine has, as the Routine dialog tells of them.
struct Voices {
    bool speaksProgramLanguage = false;
    QStringList languages;  // the program's languages a voice speaks here, by their own names
};

class RoutineDialog : public QDialog {
    Q_OBJECT
public:
    // About what a voice takes to say a number of a few digits: a faster
    // speed leaves some numbers unsaid.
    static constexpr double secondsToSayANumber = 1.0;

    // speed: the seconds a count the settings dialog's box holds.
    RoutineDialog(const Routine &routine, double speed, const Voices &voices, Dialogs &dialogs, QWidget *parent);

    // The routine as OK left it.
    const Routine &routine() const { return m_routine; }

private:
    void followChecks();
    void applyAndClose();

    QCheckBox *pauseEveryCheck;
    QSpinBox *pauseEverySpin;
    QCheckBox *pauseAtCheck;
    QComboBox *pauseCounterCombo;
    QLineEdit *pauseValueEdit;
    QCheckBox *hushCheck;
    QSpinBox *hushSpin;
    QCheckBox *aloudCheck;
    QLabel *voicesLabel;
    QLabel *paceLabel;
    QPushButton *okButton;
    QPushButton *cancelButton;

    Dialogs &m_dialogs;
    Routine m_routine;
};
