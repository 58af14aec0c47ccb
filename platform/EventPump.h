#pragma once

// Delivers pending window events on the run loop's request.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles pending events, blocking until the next event arrives or the
    // time is up, whichever comes first; never spins.
    virtual void waitForEvents(double seconds) = 0;
    virtual void handlePendingEvents() = 0;
};

class QtEventPump : public EventPump {
public:
    void waitForEvents(double seconds) override;
    void handlePendingEvents() override;
};
