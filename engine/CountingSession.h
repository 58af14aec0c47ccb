#pragma once

// The one program-wide state of a lesson: counter settings, speed, the run in
// progress with its history, and what the windows remember between openings.
// Owned by the application, handed by reference to every window and to the
// run loop; nothing of it is saved between program runs.

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

inline constexpr int historySize = 100006;
inline constexpr std::int16_t maximumCountIndex = 32767;

// Entry k is the value shown at count k of the current run; entries above
// countIndex are left over from earlier, longer runs.
using CountHistory = std::array<double, historySize>;

struct CountingSession {
    CounterSettings counter1{0, 1, 0};
    CounterSettings counter2{0, 0, 0};
    float speed = 1.0f;
    std::int16_t counterCount = 1;

    double currentValue1 = 0;
    double currentStep1 = 1;
    double currentValue2 = 0;
    double currentStep2 = 0;
    std::int16_t countIndex = 0;
    std::unique_ptr<CountHistory> history1 = std::make_unique<CountHistory>();
    std::unique_ptr<CountHistory> history2 = std::make_unique<CountHistory>();

    bool stopRequested = false;
    PauseChoice pauseChoice = PauseChoice::None;
    bool pauseDialogPlaced = false;
    std::optional<float> pauseDialogTop;
    std::optional<float> pauseDialogLeft;

    bool listPlaced = false;
    std::optional<float> listFontSize;
    std::optional<float> listWidth;
    std::optional<float> listHeight;
    std::optional<float> listTop;
    std::optional<float> listLeft;

    bool graphPlaced = false;
    std::optional<float> graphWidth;
    std::optional<float> graphHeight;
    std::optional<float> graphTop;
    std::optional<float> graphLeft;

    ToolbarPosition toolbarPosition = ToolbarPosition::Top;
    bool keypadOnRight = true;
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
