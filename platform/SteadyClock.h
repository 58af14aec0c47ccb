#pragma once

#include "engine/Clock.h"

#include <QElapsedTimer>

// The real clock: monotonic, so a wait across midnight or a change of the
// system time is no special case.
class SteadyClock : public Clock {
public:
    SteadyClock();
    double now() override;

private:
    QElapsedTimer m_timer;
};
