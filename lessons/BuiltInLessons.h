#pragma once

#include "LessonPlan.h"

#include <QList>

// The lessons that come with the program, in the order the teacher sees them.
const QList<LessonPlan> &builtInLessons();
