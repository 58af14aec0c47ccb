#pragma once

// Every message box text, title, icon and button set of the program, in one
// place, and the questions asked in input boxes.

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

struct Question {
    QString prompt;
    QString title;
    friend bool operator==(const Question &, const Question &) = default;
};

namespace Messages {
inline const QString programTitle = QStringLiteral("Tallyvane");

inline Message maximumCount() { return {"Tallyvane has exceeded the maximum number of counts.", programTitle, MessageIcon::Critical}; }
inline Message numbersTooLarge() { return {"The numbers have grown too large to count.", programTitle, MessageIcon::Critical}; }
inline Message wellDone() { return {"Well done!", programTitle, MessageIcon::Warning}; }
inline Message tryAgain() { return {"Try again.", programTitle, MessageIcon::Information}; }
inline Message confirmClose() { return {"Are you sure you want to Quit?", programTitle, MessageIcon::Question, MessageButtons::YesNo}; }
inline Message confirmExit() { return {"Are you sure you want to Quit Tallyvane?", programTitle, MessageIcon::Question, MessageButtons::YesNo}; }
inline Message tooManyToList() { return {"Too many values to list.", programTitle, MessageIcon::Information}; }
inline Message listNotPrinted() { return {"The table has not been printed.", "Printing Error", MessageIcon::Warning}; }
inline Message listNotSaved() { return {"The list has not been saved.", "Saving Error", MessageIcon::Warning}; }
inline Message notEnoughToGraph() { return {"Not enough values to graph.", programTitle, MessageIcon::Information}; }
inline Message tooManyToGraph() { return {"Too many values to graph.", programTitle, MessageIcon::Information}; }
inline Message tooManyForBars() { return {"Too many values to show on a bar graph.", programTitle, MessageIcon::Information}; }
inline Message graphNotPrinted() { return {"The graph has not been printed.", "Printing Error", MessageIcon::Warning}; }
inline Message graphNotSaved() { return {"The graph has not been saved.", "Saving Error", MessageIcon::Warning}; }
inline Message numberTooLarge() { return {"That number is too large.", "Change Settings", MessageIcon::Warning}; }
inline Message lessonsDamaged() { return {"Some of your saved lessons could not be read. Every lesson that could be read is still in the list, and the damaged file has been kept as lessons.json.damaged.", "Lessons", MessageIcon::Warning}; }
inline Message lessonsNotSaved() { return {"The lessons have not been saved.", "Saving Error", MessageIcon::Warning}; }
inline Message confirmDeleteLesson() { return {"Are you sure you want to delete this lesson?", "Lessons", MessageIcon::Question, MessageButtons::YesNo}; }
inline Message lessonsNotImported() { return {"That file holds no lessons that Tallyvane can read.", "Import Lessons", MessageIcon::Warning}; }
inline Message lessonsPartlyImported() { return {"Some lessons in that file could not be read. The others have been added.", "Import Lessons", MessageIcon::Warning}; }
inline Message lessonsRenamedOnImport() { return {"Some lessons have the same name as one already in your list. They have been added with a number after the name.", "Import Lessons", MessageIcon::Information}; }
inline Message lessonsAlreadyThere() { return {"The lessons in that file are already in your list.", "Import Lessons", MessageIcon::Information}; }

inline Question nextNumber() { return {"What is the next number?", "Predict"}; }
inline Question nextNumberCounter1() { return {"What is the next number for counter 1?", "Predict Counter 1"}; }
inline Question nextNumberCounter2() { return {"What is the next number for counter 2?", "Predict Counter 2"}; }
inline Question lessonName() { return {"What is the lesson called?", "Save as Lesson"}; }
inline Question newLessonName() { return {"What is the lesson's new name?", "Rename Lesson"}; }
} // namespace Messages
