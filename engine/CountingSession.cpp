#include "engine/CountingSession.h"

void applyDefaults(CountingSession &session)
{
    session.counter1 = SessionDefaults::counter1;
    session.counter2 = SessionDefaults::counter2;
    session.currentStep1 = ExactDecimal::fromShown(SessionDefaults::counter1.firstStep);
    session.currentStep2 = ExactDecimal::fromShown(SessionDefaults::counter2.firstStep);
    session.speed = SessionDefaults::speed;
    session.counterCount = SessionDefaults::counterCount;
}
