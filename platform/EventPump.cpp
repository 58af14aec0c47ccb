#include "EventPump.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>

void QtEventPump::waitForEvents(double seconds)
{
    // The timer only wakes the blocked event loop at the deadline.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(std::max(0, int(std::ceil(seconds * 1000))));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtEventPump::handlePendingEvents()
{
    QCoreApplication::processEvents();
}
