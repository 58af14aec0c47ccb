#pragma once

// Every message box text, title, icon and button set of the program, in one
// place, and the questions asked in input boxes.

#include <QCoreApplication>
#include <QString>

enum class MessageIcon { Critical, Question, Warning, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    friend bool operator==(const Message &, const Message &) = default;
};

// A number is answered on a keypad as well as typed; a name only typed.
enum class AnswerKind { Number, Name };

struct Question {
    QString prompt;
    QString title;
    AnswerKind kind = AnswerKind::Number;
    friend bool operator==(const Question &, const Question &) = default;
};

namespace Messages {
// Looks the texts up in the installed translation.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

inline const QString programTitle = QStringLiteral("Tallyvane");

// The words a voice says for the sign, the decimal point and an exponent.
inline QString minusWord() { return Text::tr("minus"); }
inline QString pointWord() { return Text::tr("point"); }
inline QString exponentWords() { return Text::tr("times ten to the power"); }

inline Message maximumCount() { return {Text::tr("Tallyvane has exceeded the maximum number of counts."), programTitle, MessageIcon::Critical}; }
inline Message numbersTooLarge() { return {Text::tr("The numbers have grown too large to count."), programTitle, MessageIcon::Critical}; }
inline Message wellDone() { return {Text::tr("Well done!"), programTitle, MessageIcon::Warning}; }
inline Message tryAgain() { return {Text::tr("Try again."), programTitle, MessageIcon::Information}; }
inline Message confirmClose() { return {Text::tr("Are you sure you want to Quit?"), programTitle, MessageIcon::Question, MessageButtons::YesNo}; }
inline Message confirmExit() { return {Text::tr("Are you sure you want to Quit Tallyvane?"), programTitle, MessageIcon::Question, MessageButtons::YesNo}; }
inline Message tooManyToList() { return {Text::tr("Too many values to list."), programTitle, MessageIcon::Information}; }
inline Message listNotPrinted() { return {Text::tr("The table has not been printed."), Text::tr("Printing Error"), MessageIcon::Warning}; }
inline Message listNotSaved() { return {Text::tr("The list has not been saved."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message notEnoughToGraph() { return {Text::tr("Not enough values to graph."), programTitle, MessageIcon::Information}; }
inline Message tooManyToGraph() { return {Text::tr("Too many values to graph."), programTitle, MessageIcon::Information}; }
inline Message tooManyForBars() { return {Text::tr("Too many values to show on a bar graph."), programTitle, MessageIcon::Information}; }
inline Message graphNotPrinted() { return {Text::tr("The graph has not been printed."), Text::tr("Printing Error"), MessageIcon::Warning}; }
inline Message graphNotSaved() { return {Text::tr("The graph has not been saved."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message boardNotPrinted() { return {Text::tr("The board has not been printed."), Text::tr("Printing Error"), MessageIcon::Warning}; }
inline Message boardNotSaved() { return {Text::tr("The board has not been saved."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message numberTooLarge() { return {Text::tr("That number is too large."), Text::tr("Change Settings"), MessageIcon::Warning}; }
inline Message lessonsDamaged() { return {Text::tr("Some of your saved lessons could not be read. Every lesson that could be read is still in the list, and the damaged file has been kept as lessons.json.damaged."), Text::tr("Lessons"), MessageIcon::Warning}; }
inline Message lessonsNotSaved() { return {Text::tr("The lessons have not been saved."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message confirmDeleteLesson() { return {Text::tr("Are you sure you want to delete this lesson?"), Text::tr("Lessons"), MessageIcon::Question, MessageButtons::YesNo}; }
inline Message lessonsNotImported() { return {Text::tr("That file holds no lessons that Tallyvane can read."), Text::tr("Import Lessons"), MessageIcon::Warning}; }
inline Message lessonsPartlyImported() { return {Text::tr("Some lessons in that file could not be read. The others have been added."), Text::tr("Import Lessons"), MessageIcon::Warning}; }
inline Message lessonsRenamedOnImport() { return {Text::tr("Some lessons have the same name as one already in your list. They have been added with a number after the name."), Text::tr("Import Lessons"), MessageIcon::Information}; }
inline Message lessonsAlreadyThere() { return {Text::tr("The lessons in that file are already in your list."), Text::tr("Import Lessons"), MessageIcon::Information}; }

inline Question nextNumber() { return {Text::tr("What is the next number?"), Text::tr("Predict")}; }
inline Question nextNumberCounter1() { return {Text::tr("What is the next number for counter 1?"), Text::tr("Predict Counter 1")}; }
inline Question nextNumberCounter2() { return {Text::tr("What is the next number for counter 2?"), Text::tr("Predict Counter 2")}; }
inline Question lessonName() { return {Text::tr("What is the lesson called?"), Text::tr("Save as Lesson"), AnswerKind::Name}; }
inline Question newLessonName() { return {Text::tr("What is the lesson's new name?"), Text::tr("Rename Lesson"), AnswerKind::Name}; }
} // namespace Messages
