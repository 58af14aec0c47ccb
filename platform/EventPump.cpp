#include "EventPump.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <thread>

void QtEventPump::waitForEvents(double seconds)
{
    const int wholeMilliseconds = int(std::floor(seconds * 1000));
    if (wholeMilliseconds < 1) {
        // Timers count whole milliseconds: the last fraction is slept exactly,
        // so a value is not shown up to a millisecond late.
        if (seconds > 0)
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        QCoreApplication::processEvents();
        return;
    }
    // The timer only wakes the blocked event loop at the deadline.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(wholeMilliseconds);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtEventPump::handlePendingEvents()
{
    QCoreApplication::processEvents();
}
