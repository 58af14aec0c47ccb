#pragma once

// The one program-wide state of a lesson: counter settings, speed, the run in
// progress with its history, and what the windows remember between openings.
// Owned by the application, handed by reference to every window and to the
// run loop; nothing of it is saved between program runs.

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

// Entry k is the value shown at count k of the current run; entries above
// countIndex are left over from earlier, longer runs.
using CountHistory = std::array<double, historySize>;

struct CountingSession {
    CounterSettings counter1 = SessionDefaults::counter1;
    CounterSettings counter2 = SessionDefaults::counter2;
    float speed = SessionDefaults::speed;
    std::int16_t counterCount = SessionDefaults::counterCount;

    double currentValue1 = 0;
    double currentStep1 = SessionDefaults::counter1.firstStep;
    double currentValue2 = 0;
    double currentStep2 = SessionDefaults::counter2.firstStep;
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

    CountingSession() { history1->fill(0); history2->fill(0); }
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
