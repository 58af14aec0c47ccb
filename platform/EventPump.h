#pragma once

#include "platform/HeldInput.h"

// Delivers pending window events on the run loop's request. Every wait takes
// any number of seconds (negative, NaN, huge or infinite all are safe) and
// never spins: it blocks in the event loop until an event has been handled or
// the time is up, so callers loop until their own deadline.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles every kind of event while waiting.
    virtual void waitForEvents(double seconds) = 0;
    // Keeps the windows drawn and answering the window manager while keyboard
    // and mouse input stay queued, to be handled once the wait is over, but
    // for what letThrough accepts, which acts at once.
    virtual void holdInputFor(double seconds, const LetThrough &letThrough = {}) = 0;
    // Handles the input held so far, in order, then every other pending event.
    virtual void handlePendingEvents() = 0;
};

class QtEventPump : public EventPump {
public:
    void waitForEvents(double seconds) override;
    void holdInputFor(double seconds, const LetThrough &letThrough = {}) override;
    void handlePendingEvents() override;

private:
    HeldInput m_held;
};
