#pragma once

// The lesson file: the library's own lessons.json and every shared
// .tallyvane file. UTF-8 JSON, written compactly, numbers always written
// with "." and read back exactly:
//
//   {"format": "Tallyvane lessons", "version": 1, "lessons": [
//     {"name": "Square numbers", "speed": 2, "twoCounters": false,
//      "counter1": {"firstNumber": 1, "firstStep": 3, "stepChange": 2},
//      "counter2": {"firstNumber": 0, "firstStep": 0, "stepChange": 0}}]}
//
// Reading is tolerant: members it does not know are kept with the lesson and
// written back, a lesson without counter2 or twoCounters uses one counter,
// and a lesson it cannot read is left out while the others are kept, even
// those before a fault in the JSON itself. A file of a later version is read
// for every lesson this one understands. Files are read only when they are
// ordinary files no larger than the limit, which nothing is written beyond.

#include "lessons/LessonPlan.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

namespace LessonFile {
inline constexpr int version = 1;
inline const QString format = QStringLiteral("Tallyvane lessons");
// bytes: a library or shared file is never larger (some 40,000 lessons).
inline constexpr qint64 largest = 4 << 20;

enum class Opened { Fine, Missing, NotAFile, CannotOpen, TooLarge };

struct Contents {
    QList<LessonPlan> lessons;
    bool whole = true;  // false when anything in the file could not be read
    int unread = 0;     // lessons that could not be read
    Opened opened = Opened::Fine;
    int version = LessonFile::version;
    // Of a later version: what this one cannot read, to write it back.
    QJsonObject otherMembers{};
    QJsonArray unreadLessons{};

    bool newer() const { return version > LessonFile::version; }
};

QByteArray write(const QList<LessonPlan> &lessons);
// The lessons, with what a later version's file held besides them.
QByteArray write(const Contents &contents);
Contents read(const QByteArray &bytes);
// Opens only an ordinary file (a link is followed), reading at most the
// limit: a pipe or a device is never waited on or read without end.
Contents readFrom(const QString &path);
} // namespace LessonFile
