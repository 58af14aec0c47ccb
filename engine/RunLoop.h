#pragma once

// The lesson's count: Start shows the first number, then adds the step and
// shows each next value at the set pace, recording every value in the
// history. Pause is noticed at the end of a count's wait; the pause dialog's
// choice then continues, stops, or opens prediction, the list or the graph
// and comes back to the dialog. The loop runs synchronously inside Start's
// click handler and reaches the windows only through RunView, time only
// through Clock and the teacher's dialogs only through Prompter. The
// session's routine pauses the run by itself and hushes numbers; what is
// shown is said by CountAloud, which follows the count model.

#include "engine/Clock.h"
#include "engine/CountingSession.h"
#include "engine/Prompter.h"
#include "engine/RunView.h"

#include <optional>

class RunLoop {
public:
    static constexpr float speedStep = 0.25f;
    static constexpr float slowestSpeed = 5.0f;
    static constexpr double continueDelay = 1.0;   // seconds
    // Waits up to Count Slower's limit keep their pace; in a longer one,
    // Pause, Exit and closing act at once.
    static constexpr double longestPacedWait = slowestSpeed;  // seconds

    RunLoop(CountingSession &session, RunView &view, Clock &clock, Prompter &prompter);

    // Does nothing while a run is in progress, or once the program is quitting.
    void startRun();
    // Ends the run in progress, wherever it is waiting, for good: the
    // program is closing.
    void quit();
    void requestPause();
    void faster();
    void slower();

private:
    enum class Events { DuringWait, AfterWait };

    void run(bool twoCounters);
    void showCurrentValues(bool twoCounters);
    void pauseIfPlanned(bool twoCounters);
    bool count(bool twoCounters);
    bool pause(bool twoCounters);
    // True when a long wait was cut short by Pause.
    bool waitSeconds(Events events, double start, std::optional<float> fixedSeconds = std::nullopt);
    void endRun();

    CountingSession &m_session;
    RunView &m_view;
    Clock &m_clock;
    Prompter &m_prompter;
    ExactDecimal m_stepChange1;
    ExactDecimal m_stepChange2;
    double m_shownAt = 0;
    bool m_running = false;
    bool m_quitting = false;
};
