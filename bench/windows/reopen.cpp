// The program's private memory as the number list and the line graph are
// opened and closed again and again, as a lesson does at each pause: after
// the first opening of each and after the hundredth.

#include "app/AppController.h"
#include "bench/ProcessFigures.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump);
    CountingSession &session = lesson.session();
    session.countIndex = 20;
    for (int k = 0; k <= session.countIndex; ++k)
        session.history1->record(std::size_t(k), double(k * 3));
    // Each window closes as soon as it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *window = QApplication::activeModalWidget())
            window->close();
    });
    closer.start(10);

    long afterFirst = 0;
    for (int i = 1; i <= 100; ++i) {
        lesson.view().showList();
        lesson.view().showGraph();
        if (i == 1)
            afterFirst = processFigure("/proc/self/smaps_rollup", "Private_");
    }
    const long afterHundred = processFigure("/proc/self/smaps_rollup", "Private_");
    std::printf("private_memory_after_first_opening: %ld kB\n", afterFirst);
    std::printf("private_memory_after_100_openings: %ld kB\n", afterHundred);
    std::printf("private_memory_growth_over_99_openings: %ld kB\n", afterHundred - afterFirst);
    return 0;
}
