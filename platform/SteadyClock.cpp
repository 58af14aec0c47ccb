#include "SteadyClock.h"

#include <chrono>
#include <thread>

SteadyClock::SteadyClock()
{
    m_timer.start();
}

double SteadyClock::now()
{
    return double(m_timer.nsecsElapsed()) / 1e9;
}

void SteadyClock::sleepUntil(double deadline)
{
    const double remaining = deadline - now();
    if (remaining > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
    // The caller checks for a time strictly after the deadline.
    while (now() <= deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}
