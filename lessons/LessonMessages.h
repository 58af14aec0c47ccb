#pragma once

// What the teacher is told about the lesson library and lesson files.

#include "engine/Messages.h"
#include "lessons/LessonFile.h"

#include <QCoreApplication>

namespace LessonMessages {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LessonMessages)
};

inline int largestMegabytes() { return int(LessonFile::largest >> 20); }

// Why a file could not be read, to follow a colon.
inline QString whyNotRead(LessonFile::Opened opened)
{
    switch (opened) {
    case LessonFile::Opened::NotAFile: return Text::tr("it is not an ordinary file");
    case LessonFile::Opened::TooLarge: return Text::tr("it is larger than %1 MB").arg(largestMegabytes());
    default: return Text::tr("it cannot be opened");
    }
}

inline Message damagedSetAside(int read, int unread, const QString &setAsideAs) { return {Text::tr("Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file as it was has been kept as %3.").arg(read).arg(unread).arg(setAsideAs), Text::tr("Lessons"), MessageIcon::Warning}; }
inline Message damagedInPlace(int read, int unread) { return {Text::tr("Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file could not be moved aside, so it is left as it was, and changes to your lessons cannot be saved until it is mended or moved.").arg(read).arg(unread), Text::tr("Lessons"), MessageIcon::Warning}; }
inline Message cannotRead(const QString &file, LessonFile::Opened opened) { return {Text::tr("Your saved lessons in %1 cannot be read: %2. The file is left as it is, and changes to your lessons cannot be saved until it can be read.").arg(file, whyNotRead(opened)), Text::tr("Lessons"), MessageIcon::Warning}; }
inline Message newerKept(int read, int kept) { return {Text::tr("Your lessons were saved by a newer version of Tallyvane. %1 lessons were read; %2 that this version cannot show are kept in the file as they are.").arg(read).arg(kept), Text::tr("Lessons"), MessageIcon::Information}; }
inline Message savingOff() { return {Text::tr("Your lessons file cannot be read, so nothing has been changed."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message libraryFull() { return {Text::tr("That would make your lessons file larger than %1 MB, which is as large as it can be. Nothing has been changed.").arg(largestMegabytes()), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message busy() { return {Text::tr("Another copy of Tallyvane is saving your lessons. Nothing has been changed: please try again."), Text::tr("Saving Error"), MessageIcon::Warning}; }
inline Message lessonGone() { return {Text::tr("That lesson has been changed or deleted in another copy of Tallyvane. The list now shows your lessons as they are."), Text::tr("Lessons"), MessageIcon::Information}; }
inline Message importCannotRead(LessonFile::Opened opened) { return {Text::tr("That file cannot be read: %1. Nothing has been changed.").arg(whyNotRead(opened)), Text::tr("Import Lessons"), MessageIcon::Warning}; }
} // namespace LessonMessages
