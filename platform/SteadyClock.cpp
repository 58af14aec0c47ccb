#include "platform/SteadyClock.h"

SteadyClock::SteadyClock()
{
    m_timer.start();
}

double SteadyClock::now()
{
    return double(m_timer.nsecsElapsed()) / 1e9;
}
