#include "LessonPlan.h"

#include "NumberText.h"

#include <QLocale>
#include <QStringList>

bool LessonPlan::countsLike(const LessonPlan &other) const
{
    return counter1 == other.counter1 && speed == other.speed && twoCounters == other.twoCounters
        && counter2 == other.counter2;
}

LessonPlan LessonPlan::of(const CountingSession &session)
{
    return {QString(), QString(), session.counter1, session.speed, session.counterCount == 2, session.counter2};
}

QString firstNumbersOf(const LessonPlan &plan)
{
    constexpr int shown = 4;
    QStringList numbers;
    double value = plan.counter1.firstNumber;
    double step = plan.counter1.firstStep;
    for (int k = 0; k < shown; ++k) {
        numbers << numberToText(value);
        value += step;
        step += plan.counter1.stepChange;
    }
    const bool commaDecimals = QLocale().decimalPoint() == QStringLiteral(",");
    return numbers.join(commaDecimals ? QStringLiteral("; ") : QStringLiteral(", ")) + QStringLiteral(" …");
}
