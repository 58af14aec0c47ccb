#pragma once

// Monotonic time in seconds, the only way the engine sees time. A wait across
// midnight is therefore no special case.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() = 0;
    // Blocks without handling any window events until now() >= deadline.
    virtual void sleepUntil(double deadline) = 0;
};
