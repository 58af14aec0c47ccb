// How long Routine… takes to open from a tap in Settings, the first time
// and every time after, and what opening it costs the program: memory,
// threads and open files, while the voices are looked for by the helper.

#include "bench/ProcessFigures.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"
#include "platform/speech/HelperSpeaker.h"
#include "windows/settings/SettingsDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SteadyClock clock;
    HelperSpeaker speaker(QStringLiteral(TALLYVANE_VOICE_HELPER), QString(), clock);
    CountingSession session;
    WindowMemory memory;
    SettingsDialog settings(session, memory, dialogs, nullptr, RoomSetup{std::nullopt, &speaker});
    settings.show();
    QApplication::processEvents();
    auto *routineButton = settings.findChild<QPushButton *>(QStringLiteral("cmdRoutine"));

    const long rssBefore = processFigure("/proc/self/status", "VmRSS:");
    const long threadsBefore = processFigure("/proc/self/status", "Threads:");
    const long filesBefore = openFiles();
    QList<double> opening;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        routineButton->click();
        QPointer<QDialog> routine = settings.findChild<QDialog *>(QStringLiteral("frmRoutine"));
        routine->grab();  // drawn, as the teacher sees it
        opening << double(timer.nsecsElapsed()) / 1e6;
        routine->reject();
        delete routine.data();
    }
    // The voices line filled in, and the helper gone again.
    QElapsedTimer known;
    known.start();
    while (!speaker.voices() && known.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    const double voicesMs = double(known.nsecsElapsed()) / 1e6;
    QApplication::processEvents(QEventLoop::AllEvents, 500);

    std::printf("routine_first_opening: %.1f ms\n", opening.first());
    std::sort(opening.begin() + 1, opening.end());
    std::printf("routine_later_openings_median: %.1f ms\n", opening[opening.size() / 2]);
    std::printf("routine_slowest_opening: %.1f ms\n", *std::max_element(opening.begin(), opening.end()));
    std::printf("voices_known_after_openings: %.1f ms\n", voicesMs);
    std::printf("routine_memory_added: %ld kB\n", processFigure("/proc/self/status", "VmRSS:") - rssBefore);
    std::printf("routine_threads_added: %ld\n", processFigure("/proc/self/status", "Threads:") - threadsBefore);
    std::printf("routine_open_files_added: %ld\n", openFiles() - filesBefore);
    return 0;
}
