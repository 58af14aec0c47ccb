#pragma once

// The routine a teacher sets for the runs to come: pauses the run makes by
// itself, numbers the class must say because the board shows "?", and
// whether each number is spoken. Everything is off by default. A plain
// value, held in the session and kept in a lesson.

#include "engine/Decimal.h"

#include <optional>

// A counter's value the run pauses at, compared with the value as the
// counter shows it, so 0.3 is reached however it was counted to.
struct PlannedValue {
    int counter = 1;  // 1 or 2
    Decimal value;

    PlannedValue() = default;
    PlannedValue(int counter, Decimal value) : counter(counter), value(value) {}
    // A number written in the code, taken as a lesson file's numbers are.
    PlannedValue(int counter, double value) : PlannedValue(counter, Decimal::shortest(value)) {}
    friend bool operator==(const PlannedValue &, const PlannedValue &) = default;
};

struct Routine {
    static constexpr int longestEvery = 1000;  // counts

    // Counts k is a multiple of, never count 0; 0 for none.
    int pauseEvery = 0;
    std::optional<PlannedValue> pauseAt{};
    int hushEvery = 0;
    bool countAloud = false;

    friend bool operator==(const Routine &, const Routine &) = default;

    bool isOff() const { return *this == Routine{}; }

    // Whether the counters show "?" at count countIndex. The first number is
    // never hushed: the class needs somewhere to start from.
    bool hushes(int countIndex) const { return hushEvery > 0 && countIndex > 0 && countIndex % hushEvery == 0; }

    // Whether the run pauses by itself once count countIndex is shown, with
    // the counters showing these values (counter2 only with two counters).
    bool pausesAt(int countIndex, const Decimal &counter1, const std::optional<Decimal> &counter2) const
    {
        if (countIndex <= 0)
            return false;
        if (pauseEvery > 0 && countIndex % pauseEvery == 0)
            return true;
        if (!pauseAt)
            return false;
        const std::optional<Decimal> shown = pauseAt->counter == 2 ? counter2 : std::optional(counter1);
        return shown && *shown == pauseAt->value.rounded();
    }
};
