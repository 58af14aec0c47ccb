#pragma once

#include "lessons/LessonPlan.h"

#include <QList>

// The lessons that come with the program, in the order the teacher sees them,
// named and described in English, as a lesson file would store them.
const QList<LessonPlan> &builtInLessons();

// A built-in lesson's name and description in the user's language.
QString shownName(const LessonPlan &builtIn);
QString shownDescription(const LessonPlan &builtIn);
