// The count board at 1920x1080 with the longest run on it: how long adding a
// count and painting it takes, how long the rows take to flow again at a new
// row length, and how much longer counting to 32767 at speed 0 takes with the
// board open than without it.

#include "app/AppController.h"
#include "bench/Percentile.h"
#include "output/board/CountBoardPanel.h"
#include "platform/QtDialogs.h"
#include "platform/QtPagePrinter.h"
#include "platform/SteadyClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int longestRun = 32767;
constexpr int timedCounts = 300;
constexpr int timedReflows = 40;
constexpr int countRounds = 3;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Every update the board asked for is painted before the clock stops.
void paintNow()
{
    QCoreApplication::processEvents();
}

int measureBoard()
{
    WindowMemory memory;
    QtDialogs dialogs;
    QtPagePrinter printer;
    CountBoardPanel panel(memory, dialogs, printer);
    panel.setWindowFlag(Qt::FramelessWindowHint);
    panel.setGeometry(0, 0, 1920, 1080);
    panel.show();
    if (!QTest::qWaitForWindowExposed(&panel))
        return 1;
    CountBoard &board = *panel.board(0);
    // 15s from 15, as a class counts them: numbers grow to six digits.
    const auto number = [](int k) { return QString::number(15 * (k + 1)); };
    for (int k = 0; k < longestRun - timedCounts; ++k)
        board.append(number(k));
    paintNow();

    // At a teacher's pace each count is painted as it comes: the board paints
    // new counts at most once a frame, which passes, untimed, between them.
    std::vector<double> adds;
    for (int k = longestRun - timedCounts; k < longestRun; ++k) {
        QTest::qWait(board.frameInterval() + 1);
        QElapsedTimer timer;
        timer.start();
        board.append(number(k));
        paintNow();
        adds.push_back(elapsedMs(timer));
    }
    std::printf("board_counts: %d counts\n", board.count());
    std::printf("board_add_count_median: %.3f ms\n", percentile(adds, 0.5));
    std::printf("board_add_count_p99: %.3f ms\n", percentile(adds, 0.99));
    std::printf("board_add_count_max: %.3f ms\n", percentile(adds, 1.0));

    // A shaded first column to carry along, which each flow turns into
    // shades of the counts it held.
    std::vector<double> reflows;
    for (int i = 0; i < timedReflows; ++i) {
        board.tapAt(board.layout().headRect(0).center());
        QElapsedTimer timer;
        timer.start();
        panel.setRowLength(i % 2 ? 10 : 6);
        paintNow();
        reflows.push_back(elapsedMs(timer));
    }
    std::printf("board_reflow_median: %.3f ms\n", percentile(reflows, 0.5));
    std::printf("board_reflow_max: %.3f ms\n", percentile(reflows, 1.0));
    return 0;
}

struct Took {
    double wall = -1;  // seconds
    double cpu = -1;   // seconds of this process's processor time
};

// Counts from 0 in ones as fast as the clock allows until the maximum
// count, the board open beside the main window or not. On a machine shared
// with other work the wall time depends on what else runs; the processor
// time this program takes does not.
Took countToTheEnd(bool withBoard)
{
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump);
    lesson.session().speed = 0;
    lesson.mainWindow().show();
    if (!QTest::qWaitForWindowExposed(&lesson.mainWindow()))
        return {};
    if (withBoard) {
        lesson.countBoards().setShown(true);
        lesson.countBoards().window()->setGeometry(0, 0, 1920, 1080);
        if (!QTest::qWaitForWindowExposed(lesson.countBoards().window()))
            return {};
    }
    QElapsedTimer wall;
    Took took;
    const double cpuBefore = cpuSeconds();
    // The maximum-count message ends the run; it is answered as it shows.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            took = {double(wall.nsecsElapsed()) / 1e9, cpuSeconds() - cpuBefore};
            box->accept();
        }
    });
    answer.start(1);
    wall.start();
    lesson.mainWindow().findChild<QPushButton *>("cmdStart")->click();
    if (withBoard && lesson.countBoards().panel()->board(0)->count() != longestRun + 1)
        return {};
    return took;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (measureBoard())
        return 1;
    // Runs with and without the board take turns, so that what else the
    // machine does weighs on both alike; the medians are compared.
    std::vector<double> wallWithout, wallWith, cpuWithout, cpuWith;
    for (int round = 0; round < countRounds; ++round) {
        const Took without = countToTheEnd(false);
        const Took with = countToTheEnd(true);
        if (without.wall <= 0 || with.wall <= 0) {
            std::fputs("A count to 32767 did not finish.\n", stderr);
            return 1;
        }
        wallWithout.push_back(without.wall);
        wallWith.push_back(with.wall);
        cpuWithout.push_back(without.cpu);
        cpuWith.push_back(with.cpu);
    }
    const auto report = [](const char *name, const std::vector<double> &without, const std::vector<double> &with) {
        const double a = percentile(without, 0.5);
        const double b = percentile(with, 0.5);
        std::printf("count_to_32767_without_board%s: %.3f s\n", name, a);
        std::printf("count_to_32767_with_board%s: %.3f s\n", name, b);
        std::printf("count_to_32767_board_cost%s: %.1f %%\n", name, 100.0 * (b - a) / a);
    };
    report("", wallWithout, wallWith);
    report("_cpu", cpuWithout, cpuWith);
    return 0;
}
