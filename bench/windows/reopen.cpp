// The program's private memory as the number list and the line graph are
// opened and closed again and again, as a lesson does at each pause: after
// the first opening of each and after the hundredth.

#include "app/AppController.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

// Private_Clean and Private_Dirty of /proc/self/smaps_rollup, in kB.
long privateKilobytes()
{
    QFile file(QStringLiteral("/proc/self/smaps_rollup"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    long total = 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("Private_"))
            total += line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toLong();
    return total;
}

} // namespace

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
            afterFirst = privateKilobytes();
    }
    const long afterHundred = privateKilobytes();
    std::printf("private_memory_after_first_opening: %ld kB\n", afterFirst);
    std::printf("private_memory_after_100_openings: %ld kB\n", afterHundred);
    std::printf("private_memory_growth_over_99_openings: %ld kB\n", afterHundred - afterFirst);
    return 0;
}
