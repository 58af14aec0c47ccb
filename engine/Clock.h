#pragma once

// Monotonic time in seconds, the only way the engine sees time. A wait across
// midnight is therefore no special case.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() = 0;
};
