#include "engine/CountingSession.h"

#include <algorithm>

void startCounter(const CounterSettings &settings, ExactDecimal &value, ExactDecimal &step, ExactDecimal &change)
{
    value = ExactDecimal(settings.firstNumber.rounded());
    step = ExactDecimal(settings.firstStep.rounded());
    change = ExactDecimal(settings.stepChange.rounded());
    const int finest = std::min({value.exponent(), step.exponent(), change.exponent()});
    for (ExactDecimal *number : {&value, &step, &change})
        number->refineTo(finest);
}

void applyDefaults(CountingSession &session)
{
    session.counter1 = SessionDefaults::counter1;
    session.counter2 = SessionDefaults::counter2;
    session.currentStep1 = ExactDecimal(SessionDefaults::counter1.firstStep);
    session.currentStep2 = ExactDecimal(SessionDefaults::counter2.firstStep);
    session.speed = SessionDefaults::speed;
    session.counterCount = SessionDefaults::counterCount;
}
