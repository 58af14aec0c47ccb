#pragma once

// The real run loop on fake time, with a view that records what the windows
// would show and hands each count to a count model, as the windows' view does.

#include "engine/CountModel.h"
#include "engine/RunLoop.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedDialogs.h"

#include <QStringList>

#include <functional>
#include <optional>

struct Shown {
    QString counter1;
    std::optional<QString> counter2;
    double at;
};

struct PauseShown {
    int counters;
    QString counter1;
};

// Records what the windows would show and answers pause dialogs from a
// queue, Stop once it is empty.
class RecordingView : public RunView {
public:
    RecordingView(CountingSession &session, FakeClock &clock) : m_session(session), m_clock(clock) {}

    void showCounters(const QString &c1, const QString *c2) override
    {
        shown.append({c1, c2 ? std::optional<QString>(*c2) : std::nullopt, m_clock.now()});
        model.append(m_session.countIndex, c1, shown.last().counter2);
        if (onShown)
            onShown();
    }
    void setRunning(bool running) override { runningCalls.append(running); }
    void waitForEvents(double deadline) override
    {
        ++eventWaits;
        events();
        // Time passes in slices, so a changed speed acts on the wait in progress.
        if (deadline - m_clock.now() > 0.25)
            m_clock.advanceBy(0.25);
        else
            m_clock.advanceTo(deadline);
    }
    // Input waits its turn: it reaches the loop only once the wait is over,
    // but for what the wait lets through, which the test presses in slices.
    void holdInputUntil(double deadline, HeldWait) override
    {
        ++heldWaits;
        if (!onHeldInput) {
            m_clock.advanceTo(deadline);
            return;
        }
        onHeldInput();
        m_clock.advanceTo(std::min(deadline, m_clock.now() + 0.25));
    }
    void showPauseTaken() override { ++pausesTaken; }
    void handlePendingEvents() override
    {
        ++pendingHandled;
        events();
    }
    void showPauseDialog(int counters) override
    {
        pauses.append({counters, shown.isEmpty() ? QString() : shown.last().counter1});
        pausedAt.append(m_clock.now());
        m_session.pauseChoice = choices.isEmpty() ? PauseChoice::Stop : choices.takeFirst();
        m_clock.advanceBy(3);  // the teacher takes a moment
    }
    void showList() override { ++lists; }
    void showGraph() override { ++graphs; }

    void choose(PauseChoice choice) { choices.append(choice); }
    void clear()
    {
        shown.clear();
        pauses.clear();
        pausedAt.clear();
        inputHandledAt.clear();
    }
    QStringList counter1Texts() const
    {
        QStringList texts;
        for (const Shown &s : shown)
            texts << s.counter1;
        return texts;
    }

    QList<Shown> shown;
    QList<bool> runningCalls;
    QList<PauseShown> pauses;
    QList<double> pausedAt;
    QList<double> inputHandledAt;
    QList<PauseChoice> choices;
    CountModel model;
    std::function<void()> onEvents;
    std::function<void()> onShown;
    std::function<void()> onHeldInput;
    int eventWaits = 0;
    int pausesTaken = 0;
    int heldWaits = 0;
    int pendingHandled = 0;
    int lists = 0;
    int graphs = 0;

private:
    void events()
    {
        inputHandledAt.append(m_clock.now());
        if (onEvents)
            onEvents();
    }
    CountingSession &m_session;
    FakeClock &m_clock;
};

struct CountingRig {
    CountingSession session;
    FakeClock clock;
    ScriptedDialogs dialogs;
    RecordingView view{session, clock};
    RunLoop loop{session, view, clock, dialogs};

    // Counts the given number of counts, then stops.
    void run(int counts)
    {
        view.clear();
        view.onShown = [this, counts] {
            if (session.countIndex == counts)
                loop.requestPause();
        };
        loop.startRun();
    }

    // Presses Pause as soon as the counter shows the given text.
    void pauseAt(const QString &text)
    {
        view.onShown = [this, text] {
            if (view.shown.last().counter1 == text)
                loop.requestPause();
        };
    }
};
