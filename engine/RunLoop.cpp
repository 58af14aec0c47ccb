#include "engine/RunLoop.h"

#include "engine/NumberText.h"
#include "engine/Prediction.h"

#include <algorithm>
#include <cmath>

RunLoop::RunLoop(CountingSession &session, RunView &view, Clock &clock, Prompter &prompter)
    : m_session(session), m_view(view), m_clock(clock), m_prompter(prompter)
{
}

void RunLoop::startRun()
{
    if (m_running || m_quitting)
        return;
    m_running = true;
    m_view.setRunning(true);
    run(m_session.counterCount == 2);
    m_running = false;
}

void RunLoop::quit()
{
    m_quitting = true;
}

void RunLoop::requestPause()
{
    m_session.stopRequested = true;
    // The dialog comes at the end of the count's wait: until then the button
    // shows the press was taken, with one counter as with two.
    if (m_running)
        m_view.showPauseTaken();
}

void RunLoop::faster()
{
    if (m_session.speed != 0)
        m_session.speed -= speedStep;
}

void RunLoop::slower()
{
    if (m_session.speed != slowestSpeed)
        m_session.speed += speedStep;
}

void RunLoop::run(bool twoCounters)
{
    CountingSession &s = m_session;
    s.stopRequested = false;
    s.countIndex = 0;
    startCounter(s.counter1, s.currentValue1, s.currentStep1, m_stepChange1);
    s.history1->record(0, s.currentValue1.shown(), s.currentValue1.toDouble());
    if (twoCounters) {
        startCounter(s.counter2, s.currentValue2, s.currentStep2, m_stepChange2);
        s.history2->record(0, s.currentValue2.shown(), s.currentValue2.toDouble());
    }
    showCurrentValues(twoCounters);
    const bool pausedAtFirst = waitSeconds(Events::AfterWait, m_shownAt);
    if (pausedAtFirst && !pause(twoCounters)) {
        if (m_quitting)
            endRun();
        return;
    }

    while (!m_quitting && count(twoCounters)) {
        waitSeconds(twoCounters ? Events::AfterWait : Events::DuringWait, m_shownAt);
        if (m_quitting || (s.stopRequested && !pause(twoCounters)))
            break;
    }
    if (m_quitting)
        endRun();
}

void RunLoop::showCurrentValues(bool twoCounters)
{
    // The pace runs from the moment a value goes on screen, so the time the
    // repaint itself takes is part of the wait, not added to it.
    m_shownAt = m_clock.now();
    const CountingSession &s = m_session;
    const std::size_t k = std::size_t(s.countIndex);
    const bool hushed = s.routine.hushes(s.countIndex);
    const auto shownText = [&](const CountHistory &history) {
        return hushed ? QStringLiteral("?") : history.shown(k).text(decimalSeparator());
    };
    const QString text2 = twoCounters ? shownText(*s.history2) : QString();
    m_view.showCounters(shownText(*s.history1), twoCounters ? &text2 : nullptr);
}

// As if Pause had been pressed during the count's wait.
void RunLoop::pauseIfPlanned(bool twoCounters)
{
    const CountingSession &s = m_session;
    const std::size_t k = std::size_t(s.countIndex);
    const auto counter2 = twoCounters ? std::optional(s.history2->shown(k)) : std::nullopt;
    if (s.routine.pausesAt(s.countIndex, s.history1->shown(k), counter2))
        m_session.stopRequested = true;
}

// Makes one count; false when the run has ended instead.
bool RunLoop::count(bool twoCounters)
{
    CountingSession &s = m_session;
    if (s.countIndex == maximumCountIndex) {
        m_prompter.showMessage(Messages::maximumCount());
        endRun();
        return false;
    }
    ExactDecimal next1 = s.currentValue1 + s.currentStep1;
    ExactDecimal next2 = twoCounters ? s.currentValue2 + s.currentStep2 : ExactDecimal();
    const double nearest1 = next1.toDouble();
    const double nearest2 = next2.toDouble();
    if (!std::isfinite(nearest1) || !std::isfinite(nearest2)) {
        m_prompter.showMessage(Messages::numbersTooLarge());
        endRun();
        return false;
    }
    s.currentValue1 = std::move(next1);
    ++s.countIndex;
    s.currentStep1 += m_stepChange1;
    s.history1->record(std::size_t(s.countIndex), s.currentValue1.shown(), nearest1);
    if (twoCounters) {
        s.currentValue2 = std::move(next2);
        s.currentStep2 += m_stepChange2;
        s.history2->record(std::size_t(s.countIndex), s.currentValue2.shown(), nearest2);
    }
    showCurrentValues(twoCounters);
    pauseIfPlanned(twoCounters);
    return true;
}

// Shows the pause dialog until the teacher continues (true) or stops (false).
bool RunLoop::pause(bool twoCounters)
{
    CountingSession &s = m_session;
    for (;;) {
        if (m_quitting)
            return false;
        m_view.showPauseDialog(twoCounters ? 2 : 1);

        switch (s.pauseChoice) {
        case PauseChoice::Continue: {
            s.stopRequested = false;
            waitSeconds(Events::AfterWait, m_clock.now(), float(continueDelay));
            return true;
        }
        case PauseChoice::Predict:
            if (!m_view.showClassAnswers())
                predictNext(s, m_prompter);
            break;
        case PauseChoice::List:
            m_view.showList();
            break;
        case PauseChoice::Graph:
            m_view.showGraph();
            break;
        case PauseChoice::Stop:
        case PauseChoice::None:
            endRun();
            return false;
        }
    }
}

// Waits the current speed (re-read on every pass, so Faster and Slower act on
// a wait in progress) or a fixed number of seconds. Input is handled while
// waiting or once after it; either way at least once, so Pause always works.
// A wait longer than any paced one ends as soon as Pause is pressed, so that
// a slow count never keeps the class from the pause dialog.
bool RunLoop::waitSeconds(Events events, double start, std::optional<float> fixedSeconds)
{
    bool handled = false;
    bool cutShort = false;
    for (;;) {
        const double seconds = double(fixedSeconds.value_or(m_session.speed));
        const double deadline = start + seconds;
        // Written so that a NaN speed ends the wait instead of never ending it.
        if (m_quitting || !(m_clock.now() <= deadline))
            break;
        const bool longWait = seconds > longestPacedWait;
        if (longWait && m_session.stopRequested) {
            cutShort = true;
            break;
        }
        if (events == Events::DuringWait) {
            m_view.waitForEvents(deadline);
            handled = true;
        } else {
            m_view.holdInputUntil(deadline, longWait ? HeldWait::Long : HeldWait::Paced);
        }
    }
    if (!handled)
        m_view.handlePendingEvents();
    return cutShort;
}

void RunLoop::endRun()
{
    m_view.setRunning(false);
}
