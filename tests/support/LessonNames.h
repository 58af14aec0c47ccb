#pragma once

#include "lessons/LessonPlan.h"

#include <QStringList>

// The lessons' names in their order, for comparing lists of lessons.
inline QStringList namesOf(const QList<LessonPlan> &lessons)
{
    QStringList names;
    for (const LessonPlan &lesson : lessons)
        names << lesson.name;
    return names;
}
