#pragma once

// The "Class Answers" window, over the pause dialog's place while pupils
// answer: how many have answered, live; Show Answers reveals the answers as
// a bar chart per counter and tells every page whether it was right; Type
// an Answer opens the input box for an answer said aloud; Close goes back
// to the pause dialog. First names, when asked for, are shown here only.

#include <QDialog>

class AnswerChart;
class ClassAnswers;
class QCheckBox;
class QLabel;
class QPushButton;

class ClassAnswersWindow : public QDialog {
    Q_OBJECT
public:
    ClassAnswersWindow(ClassAnswers &answers, QWidget *parent);

signals:
    void typeAnswerRequested();

private:
    void showQuestion();

    ClassAnswers &m_answers;
    QLabel *m_answered;
    QLabel *m_names;
    QCheckBox *m_asksForNames;
    QList<AnswerChart *> m_charts;
    QPushButton *m_showAnswers;
};

// Shows the "Class Answers" window over the parent, modally; false when
// Class Answers is off.
bool showAnswersWindow(ClassAnswers &answers, QWidget *parent);
