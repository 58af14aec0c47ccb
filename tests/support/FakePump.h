#pragma once

#include "platform/EventPump.h"
#include "tests/support/FakeClock.h"

#include <QCoreApplication>

#include <functional>

// Handles the real pending events at once, then lets the fake time pass:
// real windows, no real waiting.
class FakePump : public EventPump {
public:
    explicit FakePump(FakeClock &clock) : m_clock(clock) {}

    void waitForEvents(double seconds) override
    {
        handlePendingEvents();
        m_clock.advanceBy(std::max(seconds, 0.0) + 1e-9);
    }
    void holdInputFor(double seconds, const LetThrough & = {}) override
    {
        ++holds;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_clock.advanceBy(std::max(seconds, 0.0) + 1e-9);
    }
    void handlePendingEvents() override
    {
        ++pumps;
        if (beforePump)
            beforePump();
        QCoreApplication::processEvents();
    }

    int pumps = 0;
    int holds = 0;
    std::function<void()> beforePump;

private:
    FakeClock &m_clock;
};
