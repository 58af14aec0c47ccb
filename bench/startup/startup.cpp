// How long the main window takes to come up once the title screen's wait is
// over, and how much memory the program holds after a long count.

#include "app/AppController.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"
#include "windows/pause/PauseDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

// Real time, except that waits holding input (the title screen's) take none.
class SkippingClock : public SteadyClock {
public:
    double now() override { return SteadyClock::now() + skipped; }
    double skipped = 0;
};

class SkippingPump : public QtEventPump {
public:
    explicit SkippingPump(SkippingClock &clock) : m_clock(clock) {}
    void holdInputFor(double seconds, const LetThrough & = {}) override
    {
        QtEventPump::holdInputFor(0);
        m_clock.skipped += std::max(seconds, 0.0) + 1e-9;
    }

private:
    SkippingClock &m_clock;
};

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SkippingClock clock;
    SkippingPump pump(clock);
    AppController lesson(dialogs, clock, pump);
    lesson.start();
    std::printf("startup_to_main_window: %.1f ms\n", double(sinceStart.nsecsElapsed()) / 1e6);
    std::printf("memory_after_startup: %ld kB\n", peakKilobytes());

    // A run at speed 0 up to the maximum count, then its message is closed.
    lesson.session().speed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(50);
    QElapsedTimer run;
    run.start();
    lesson.mainWindow().findChild<QPushButton *>("cmdStart")->click();
    std::printf("count_to_maximum: %.1f ms\n", double(run.nsecsElapsed()) / 1e6);
    std::printf("memory_after_maximum_count: %ld kB\n", peakKilobytes());
    return 0;
}
