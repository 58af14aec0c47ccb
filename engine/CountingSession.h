#pragma once

// The one program-wide state of a lesson: counter settings, speed, the run in
// progress with its history, and what the windows remember between openings.
// Owned by the application, handed by reference to every window and to the
// run loop; nothing of it is saved between program runs.

#include "ExactDecimal.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

struct CounterSettings {
    double firstNumber = 0;
    double firstStep = 0;
    double stepChange = 0;
    friend bool operator==(const CounterSettings &, const CounterSettings &) = default;
};

enum class PauseChoice : std::int16_t {
    None = 0,
    Stop = 1,
    Continue = 2,
    Predict = 3,
    List = 4,
    Graph = 5,
};

enum class ToolbarPosition : std::int16_t { Top = 1, Right = 2, Left = 3 };

// Where a window was last left, in twips: its frame's top-left and its
// inside size.
struct WindowPlacement {
    bool placed = false;  // its first place has been worked out, for good
    std::optional<QPointF> topLeft;
    std::optional<QSizeF> size;
};

// The start-of-program values, in one place: a new session starts with them
// and applyDefaults puts them back.
namespace SessionDefaults {
inline constexpr CounterSettings counter1{0, 1, 0};
inline constexpr CounterSettings counter2{0, 0, 0};
inline constexpr float speed = 1.0f;
inline constexpr std::int16_t counterCount = 1;
inline constexpr ToolbarPosition toolbarPosition = ToolbarPosition::Top;
inline constexpr bool keypadOnRight = true;
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

    ExactDecimal currentValue1;
    ExactDecimal currentStep1 = ExactDecimal::fromShown(SessionDefaults::counter1.firstStep);
    ExactDecimal currentValue2;
    ExactDecimal currentStep2 = ExactDecimal::fromShown(SessionDefaults::counter2.firstStep);
    std::int16_t countIndex = 0;
    std::unique_ptr<CountHistory> history1 = std::make_unique<CountHistory>();
    std::unique_ptr<CountHistory> history2 = std::make_unique<CountHistory>();

    bool stopRequested = false;
    PauseChoice pauseChoice = PauseChoice::None;
    WindowPlacement pauseDialogPlacement;  // shared by both pause dialogs
    WindowPlacement listPlacement;         // shared by both list windows
    std::optional<float> listFontSize;
    bool listShowsSteps = false;  // as the teacher last left a list window
    WindowPlacement graphPlacement;

    ToolbarPosition toolbarPosition = SessionDefaults::toolbarPosition;
    bool keypadOnRight = SessionDefaults::keypadOnRight;
    std::int16_t listFileNumber = 1;
    std::int16_t graphFileNumber = 1;
    QString predictionAnswer;
};

// Counter label layout that applyDefaults hands to the main window.
struct CounterLayout {
    static constexpr int height = 2280;       // twips
    static constexpr int top1 = 800;          // twips
    static constexpr int top2 = 3080;         // twips: counter 2 starts where counter 1 ends
    static constexpr double fontSize = 104;   // points
};

// Puts the session into the start-of-program defaults; fields it does not
// name keep their values.
void applyDefaults(CountingSession &session);
