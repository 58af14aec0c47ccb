#pragma once

#include "engine/Clock.h"

#include <cmath>
#include <functional>

// Time that moves only when the code under test waits, so runs are
// deterministic and take no real time.
class FakeClock : public Clock {
public:
    double now() override { return m_now; }
    void advanceTo(double deadline)
    {
        if (m_now <= deadline)
            m_now = std::nextafter(deadline, deadline + 1);
    }
    void advanceBy(double seconds) { m_now += seconds; }
    void set(double now) { m_now = now; }

private:
    double m_now = 1000;
};
