#pragma once

// Lessons ready before the bell. A lesson plan is what the settings dialog's
// boxes hold, under a name: the built-in plans (BuiltInLessons) and the
// teacher's own (LessonLibrary, kept in one file) fill the boxes when chosen;
// plans travel between colleagues in lesson files (LessonFile), the same
// format the library keeps its own.

#include "engine/CountingSession.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <optional>

// How the counters look in the room: what a lesson brings besides its
// counting, which the main window applies.
struct LessonLook {
    double fontPoints = 104;
    std::uint32_t digitRgb = 0x000000;
    std::uint32_t backgroundRgb = 0xFFFFFF;
    bool fullScreen = false;
    friend bool operator==(const LessonLook &, const LessonLook &) = default;
};

struct LessonPlan {
    QString name;
    QString description;  // only the built-in lessons have one
    CounterSettings counter1 = SessionDefaults::counter1;
    float speed = 1.0f;
    bool twoCounters = false;
    CounterSettings counter2;
    // The members of the lesson, and of its counters, that a file of a later
    // version held and this version does not know, to write them back.
    QJsonObject unknownMembers{};
    // Left out, the routine and the look stay as they are when the lesson is used.
    std::optional<Routine> routine{};
    std::optional<LessonLook> look{};

    // The same counting, whatever the name.
    bool countsLike(const LessonPlan &other) const;
    // The plan of the session's current settings, with its routine.
    static LessonPlan of(const CountingSession &session);
};

// A lesson's name as the list can show it and a file name can hold it: no
// control, line-break or direction-changing characters, no blanks around it,
// at most 80 characters.
inline constexpr int longestLessonName = 80;  // characters
QString cleanLessonName(const QString &name);
// Any name shown as text in the program's windows, such as a pupil's first
// name, cleaned the same way to at most the given number of characters.
QString cleanName(const QString &name, int longest);

// The first few numbers counter 1 shows, "1, 4, 9, 16 …" (with "; " between
// them where the decimal separator is a comma).
QString firstNumbersOf(const LessonPlan &plan);

// What a routine does, in a few words: "pauses every 5, hushes every 4th,
// aloud"; empty for none.
QString routineWords(const Routine &routine);
