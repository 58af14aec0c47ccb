#pragma once

// Counts with the real run loop on fake time for a given number of counts,
// then stops, leaving the run in the session as the counters showed it.

#include "FakeClock.h"
#include "RunLoop.h"
#include "ScriptedDialogs.h"

#include <QStringList>

class CountingRig : private RunView {
public:
    CountingSession session;
    QStringList shown1;  // counter 1's captions, one per value shown
    QStringList shown2;

    void run(int counts)
    {
        m_counts = counts;
        shown1.clear();
        shown2.clear();
        m_loop.startRun();
    }

private:
    void showCounters(const QString &counter1, const QString *counter2) override
    {
        shown1.append(counter1);
        if (counter2)
            shown2.append(*counter2);
        if (session.countIndex == m_counts)
            m_loop.requestPause();
    }
    void setRunning(bool) override {}
    void waitForEvents(double deadline) override { m_clock.advanceTo(deadline); }
    void holdInputUntil(double deadline, HeldWait) override { m_clock.advanceTo(deadline); }
    void handlePendingEvents() override {}
    void showPauseTaken() override {}
    QPointF mainWindowTopLeft() override { return {}; }
    void showPauseDialog(int, QPointF) override { session.pauseChoice = PauseChoice::Stop; }
    void showList() override {}
    void showGraph() override {}

    FakeClock m_clock;
    ScriptedDialogs m_dialogs;
    RunLoop m_loop{session, *this, m_clock, m_dialogs};
    int m_counts = 0;
};
