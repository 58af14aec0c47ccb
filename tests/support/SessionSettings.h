#pragma once

#include "engine/CountingSession.h"

#include <tuple>

// Everything the settings dialog may write, for comparing a session before and after.
inline auto settingsOf(const CountingSession &s)
{
    return std::tuple(s.counter1.firstNumber, s.counter1.firstStep, s.counter1.stepChange, s.speed, s.counterCount,
                      s.counter2.firstNumber, s.counter2.firstStep, s.counter2.stepChange);
}
