#pragma once

// What the run loop needs of the windows: the counters on screen, the run
// buttons, the event pump, the pause dialog and the list and graph windows.

#include "engine/CountingSession.h"

#include <QString>

// A paced wait lets only Pause through, which the run acts on once the wait
// is over; a long one lets Exit, closing and the presenter's keys through too.
enum class HeldWait { Paced, Long };

class RunView {
public:
    virtual ~RunView() = default;

    // Sets the counter captions (counter 2 only when given) and repaints at once.
    virtual void showCounters(const QString &counter1, const QString *counter2) = 0;
    // Disables the run set at the start of a run; enables it again at its end
    // and gives the focus to Start.
    virtual void setRunning(bool running) = 0;
    // Handles pending events, blocking until the next event arrives or the
    // deadline (on the engine's clock) has passed, whichever comes first.
    virtual void waitForEvents(double deadline) = 0;
    // Blocks until the next event other than keyboard and mouse input, or
    // the deadline: the windows keep repainting while input waits its turn,
    // but for what the kind of wait lets through at once.
    virtual void holdInputUntil(double deadline, HeldWait kind) = 0;
    // Hands on the input held by the waits before, then handles every
    // pending event.
    virtual void handlePendingEvents() = 0;
    // Pause was pressed while input is held: the button shows it was taken
    // until the pause dialog comes up.
    virtual void showPauseTaken() = 0;

    // Shows the pause dialog for one or two counters modally; its buttons
    // write pauseChoice into the session before it returns.
    virtual void showPauseDialog(int counterCount) = 0;

    virtual void showList() = 0;
    virtual void showGraph() = 0;
    // Shows the answers pupils give on their own devices, instead of the
    // input box, when the teacher has them on; false leaves it to the box.
    virtual bool showClassAnswers() { return false; }
};
