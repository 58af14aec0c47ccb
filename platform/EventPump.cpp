#include "platform/EventPump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// A timer takes whole milliseconds in an int; a longer wait is made of
// several blocks, since every caller re-checks its own deadline.
constexpr double longestBlock = 3600; // seconds

void block(double seconds, QEventLoop::ProcessEventsFlags flags)
{
    // Negative and NaN are no wait at all.
    const double bounded = seconds > 0 ? std::min(seconds, longestBlock) : 0.0;
    const int wholeMilliseconds = int(std::floor(bounded * 1000));
    if (wholeMilliseconds < 1) {
        // The last fraction of a millisecond is slept exactly, so a value is
        // not shown up to a millisecond late.
        if (bounded > 0)
            std::this_thread::sleep_for(std::chrono::duration<double>(bounded));
        QCoreApplication::processEvents(flags);
        return;
    }
    // The timer only wakes the blocked event loop at the deadline.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(wholeMilliseconds);
    QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
}

} // namespace

void QtEventPump::waitForEvents(double seconds)
{
    block(seconds, QEventLoop::AllEvents);
}

void QtEventPump::holdInputFor(double seconds, const LetThrough &letThrough)
{
    if (!letThrough) {
        block(seconds, QEventLoop::ExcludeUserInputEvents);
        return;
    }
    // Input has to reach Qt to be told apart; what is held is kept aside.
    m_held.hold(letThrough);
    block(seconds, QEventLoop::AllEvents);
}

void QtEventPump::handlePendingEvents()
{
    m_held.release();
    // Input held back by an earlier wait sits in a queue of its own, which
    // the window system's event source reads again only once woken.
    if (QAbstractEventDispatcher *dispatcher = QCoreApplication::eventDispatcher())
        dispatcher->wakeUp();
    QCoreApplication::processEvents();
}
