// Opens the longest lists that can be shown (32767 lines; counter 2 growing
// from one digit to five so the gap changes along the way) and prints how
// long building each and showing it, painted, take: one counter, two
// counters, and two counters with their steps, each the median of several
// openings. The first opening also pays what the program's first window
// pays once (style, fonts, icons) and is given apart.

#include "output/lists/ListWindow.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

class NoDialogs : public Dialogs {
public:
    MessageAnswer showMessage(const Message &, QWidget *) override { return MessageAnswer::Ok; }
    QString askText(const Question &, QWidget *) override { return {}; }
    std::optional<QColor> pickColour(QWidget *) override { return std::nullopt; }
    std::optional<QString> askSaveFileName(const QString &, const QString &, QWidget *) override { return std::nullopt; }
    std::optional<QString> askOpenFileName(const QString &, QWidget *) override { return std::nullopt; }
    void fileSaved(const QString &) override {}
};

constexpr int openings = 5;

template <typename Window>
double millisecondsToShow(ListServices &services)
{
    QElapsedTimer timer;
    timer.start();
    Window window(services);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

template <typename Window>
double medianToShow(ListServices &services)
{
    std::vector<double> times;
    for (int i = 0; i < openings; ++i)
        times.push_back(millisecondsToShow<Window>(services));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CountingSession session;
    WindowMemory memory;
    memory.listPlacement = {true, QPointF(600, 600), QSizeF(10000, 7000)};
    memory.listFontSize = 20;
    NoDialogs dialogs;
    QtPrinter printer;
    ListServices services{session, memory, dialogs, printer, nullptr};
    session.countIndex = maximumCountIndex - 1;
    for (int k = 0; k <= session.countIndex; ++k) {
        session.history1->record(std::size_t(k), double(0.25 * k));
        session.history2->record(std::size_t(k), double(3 * k));
    }
    std::printf("list_lines: %d lines\n", session.countIndex + 1);
    std::printf("list_first_build_and_show_two_counters: %.1f ms\n", millisecondsToShow<TwoCounterListWindow>(services));
    std::printf("list_build_and_show_one_counter: %.1f ms\n", medianToShow<OneCounterListWindow>(services));
    std::printf("list_build_and_show_two_counters: %.1f ms\n", medianToShow<TwoCounterListWindow>(services));
    memory.listShowsSteps = true;
    std::printf("list_build_and_show_two_counters_steps: %.1f ms\n", medianToShow<TwoCounterListWindow>(services));
    return 0;
}
