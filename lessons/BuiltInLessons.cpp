#include "lessons/BuiltInLessons.h"

#include <QCoreApplication>

namespace {

// Every built-in lesson brings its routine, most of them none, so that one
// never carries on the routine of the lesson before.
LessonPlan oneCounter(const char *name, const char *description, CounterSettings counter, float speed,
                      Routine routine = {})
{
    return {QString::fromUtf8(name), QString::fromUtf8(description), counter, speed, false, {0, 0, 0}, {}, routine};
}

} // namespace

// Times tables start at 0, so that count k of the list shows k times the table.
const QList<LessonPlan> &builtInLessons()
{
    static const QList<LessonPlan> lessons = {
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 2s"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "The even numbers from 0: 0, 2, 4, 6 …"), {0, 2, 0}, 1),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 5s"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "From 0 in steps of 5: 0, 5, 10, 15 …"), {0, 5, 0}, 1),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 10s"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "From 0 in steps of 10: 0, 10, 20, 30 …"), {0, 10, 0}, 1),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count back in 3s from 30"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "30, 27, 24 … down to 0 and on below it."), {30, -3, 0}, 1.5f),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count through zero"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "From -10 in steps of 2: -10, -8 … 0, 2, 4 …"), {-10, 2, 0}, 1.5f),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 0.1s"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "Tenths from 0: 0, 0.1, 0.2 … on past 1."), {0, 0.1, 0}, 1.5f),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 0.1s, hushing every 5th"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "0, 0.1 … 0.4, then ? for the class to say, 0.6 …"), {0, 0.1, 0},
                   1.5f, Routine{0, std::nullopt, 5, false}),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 7s and stop at 70"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "0, 7, 14 … and a pause at 70: what comes next?"), {0, 7, 0}, 1,
                   Routine{0, PlannedValue{1, 70}, 0, false}),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Count in 0.25s"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "Quarters from 0: 0, 0.25, 0.5, 0.75, 1 …"), {0, 0.25, 0}, 1.5f),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Odd numbers"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "From 1 in steps of 2: 1, 3, 5, 7 …"), {1, 2, 0}, 1),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Square numbers"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "1, 4, 9, 16 … The step grows by 2 each time."), {1, 3, 2}, 2),
        oneCounter(QT_TRANSLATE_NOOP("BuiltInLessons", "Triangular numbers"),
                   QT_TRANSLATE_NOOP("BuiltInLessons", "1, 3, 6, 10 … The step grows by 1 each time."), {1, 2, 1}, 2),
        {QStringLiteral(QT_TRANSLATE_NOOP("BuiltInLessons", "The 3 and 4 times tables")),
         QStringLiteral(QT_TRANSLATE_NOOP("BuiltInLessons", "Two counters: 0, 3, 6, 9 … above 0, 4, 8, 12 …")),
         {0, 3, 0}, 2, true, {0, 4, 0}, {}, Routine{}},
    };
    return lessons;
}

QString shownName(const LessonPlan &builtIn)
{
    return QCoreApplication::translate("BuiltInLessons", builtIn.name.toUtf8().constData());
}

QString shownDescription(const LessonPlan &builtIn)
{
    return QCoreApplication::translate("BuiltInLessons", builtIn.description.toUtf8().constData());
}
