#pragma once

// The run of a lesson: both counters' settings, the speed, and the run in
// progress with its history and what the pause dialog answered. Owned by the
// application and handed by reference to the run loop and the windows; what
// the windows remember of themselves is kept apart (WindowMemory).

#include "engine/ExactDecimal.h"
#include "engine/Routine.h"


#include <array>
#include <cstdint>
#include <memory>

// A counter's settings as the teacher typed them (rounded to the digits the
// program writes) or as a lesson gave them (the shortest decimal of the
// file's number).
struct CounterSettings {
    Decimal firstNumber;
    Decimal firstStep;
    Decimal stepChange;

    CounterSettings() = default;
    constexpr CounterSettings(Decimal first, Decimal step, Decimal change)
        : firstNumber(first), firstStep(step), stepChange(change)
    {
    }
    // Numbers written in the code, taken as a lesson file's numbers are.
    CounterSettings(double first, double step, double change)
        : CounterSettings(Decimal::shortest(first), Decimal::shortest(step), Decimal::shortest(change))
    {
    }
    friend bool operator==(const CounterSettings &, const CounterSettings &) = default;
};

// A counter starts from its settings as they are written, and adds them
// exactly from then on: all three in the finest of their exponents, so each
// count is a whole-number addition.
void startCounter(const CounterSettings &settings, ExactDecimal &value, ExactDecimal &step, ExactDecimal &change);

enum class PauseChoice : std::int16_t {
    None = 0,
    Stop = 1,
    Continue = 2,
    Predict = 3,
    List = 4,
    Graph = 5,
};

// The start-of-program values, in one place: a new session starts with them
// and applyDefaults puts them back.
namespace SessionDefaults {
inline constexpr CounterSettings counter1{Decimal(0, 0), Decimal(1, 0), Decimal(0, 0)};
inline constexpr CounterSettings counter2{Decimal(0, 0), Decimal(0, 0), Decimal(0, 0)};
inline constexpr float speed = 1.0f;
inline constexpr std::int16_t counterCount = 1;
} // namespace SessionDefaults

inline constexpr int historySize = 100006;
inline constexpr std::int16_t maximumCountIndex = 32767;

// Entry k is the value shown at count k of the current run, both as written
// on the counter and as the double nearest the exact value, which the graphs
// draw. Entries above countIndex are left over from earlier, longer runs; a
// run never writes past maximumCountIndex.
class CountHistory {
public:
    double operator[](std::size_t k) const { return m_values[k]; }
    const double *data() const { return m_values.data(); }
    Decimal shown(std::size_t k) const { return m_shown[k]; }

    void record(std::size_t k, Decimal shown, double value)
    {
        m_shown[k] = shown;
        m_values[k] = value;
    }
    void record(std::size_t k, double value) { record(k, Decimal::shown(value), value); }

private:
    std::array<double, historySize> m_values{};
    std::array<Decimal, maximumCountIndex + 1> m_shown{};
};

struct CountingSession {
    CounterSettings counter1 = SessionDefaults::counter1;
    CounterSettings counter2 = SessionDefaults::counter2;
    float speed = SessionDefaults::speed;
    std::int16_t counterCount = SessionDefaults::counterCount;
    // Kept until the teacher changes it: applyDefaults leaves it as it is.
    Routine routine;

    ExactDecimal currentValue1;
    ExactDecimal currentStep1 = ExactDecimal(SessionDefaults::counter1.firstStep);
    ExactDecimal currentValue2;
    ExactDecimal currentStep2 = ExactDecimal(SessionDefaults::counter2.firstStep);
    std::int16_t countIndex = 0;
    std::unique_ptr<CountHistory> history1 = std::make_unique<CountHistory>();
    std::unique_ptr<CountHistory> history2 = std::make_unique<CountHistory>();

    bool stopRequested = false;
    PauseChoice pauseChoice = PauseChoice::None;
};

// Puts the counters and the speed back to the start-of-program defaults; the
// run's state and history keep their values.
void applyDefaults(CountingSession &session);
