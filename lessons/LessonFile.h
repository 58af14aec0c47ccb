#pragma once

// The lesson file: the library's own lessons.json and every shared
// .tallyvane file. UTF-8 JSON, numbers always written with "." and read back
// exactly:
//
//   {"format": "Tallyvane lessons", "version": 1, "lessons": [
//     {"name": "Square numbers", "speed": 2, "twoCounters": false,
//      "counter1": {"firstNumber": 1, "firstStep": 3, "stepChange": 2},
//      "counter2": {"firstNumber": 0, "firstStep": 0, "stepChange": 0}}]}
//
// Reading is tolerant: members it does not know are passed over, a lesson
// without counter2 or twoCounters uses one counter, and a lesson it cannot
// read is left out while the others are kept.

#include "LessonPlan.h"

#include <QByteArray>
#include <QList>

namespace LessonFile {
inline constexpr int version = 1;
inline const QString format = QStringLiteral("Tallyvane lessons");

QByteArray write(const QList<LessonPlan> &lessons);

struct Contents {
    QList<LessonPlan> lessons;
    bool whole = true;  // false when anything in the file could not be read
};
Contents read(const QByteArray &bytes);
// A file that cannot be opened, or far too large to be one, holds nothing.
Contents readFrom(const QString &path);
} // namespace LessonFile
