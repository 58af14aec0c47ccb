// How long the teacher waits for the largest line graphs: from pressing Graph
// until the chart has been painted, for one counter of 3798 points and for
// two counters of 1899 points each.

#include "output/graphs/Graphs.h"
#include "output/graphs/GraphWindow.h"
#include "platform/QtDialogs.h"
#include "platform/QtPagePrinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int rounds = 7;

// Notes when the chart of a newly shown graph window has finished its first
// paint, then closes the window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer &clock) : m_clock(clock) { qApp->installEventFilter(this); }
    qint64 paintedAt = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *window = qobject_cast<GraphWindow *>(watched))
                m_viewport = window->chartView->viewport();
        } else if (event->type() == QEvent::Paint && watched == m_viewport && paintedAt < 0) {
            // Let the paint run to its end before reading the clock.
            qApp->removeEventFilter(this);
            QCoreApplication::sendEvent(watched, event);
            paintedAt = m_clock.nsecsElapsed();
            QTimer::singleShot(0, m_viewport->window(), &QWidget::close);
            return true;
        }
        return false;
    }

private:
    QElapsedTimer &m_clock;
    QWidget *m_viewport = nullptr;
};

double millisecondsToPaint(Graphs &graphs)
{
    QElapsedTimer clock;
    FirstPaint watch(clock);
    clock.start();
    graphs.showLineGraph();
    return double(watch.paintedAt) / 1e6;
}

void report(const char *name, Graphs &graphs)
{
    QList<double> times;
    for (int k = 0; k < rounds; ++k)
        times.append(millisecondsToPaint(graphs));
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%s_first: %.1f ms\n", name, first);
    std::printf("%s_median: %.1f ms\n", name, times[rounds / 2]);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CountingSession session;
    WindowMemory memory;
    for (int k = 0; k < 3798; ++k) {
        session.history1->record(std::size_t(k), double(1 + k * (k + 1) / 2.0));  // 1, 2, 4, 7, 11 …
        session.history2->record(std::size_t(k), double(3 + 4.0 * k));
    }
    QtDialogs dialogs;
    QtPagePrinter printer;
    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 1600, 1000);
    Graphs graphs(session, memory, dialogs, printer, mainWindow);
    // As the program does once its window is up.
    graphs.prepare();

    session.counterCount = 1;
    session.countIndex = 3797;
    report("line_graph_one_counter_3798_points", graphs);
    session.counterCount = 2;
    session.countIndex = 1898;
    report("line_graph_two_counters_2x1899_points", graphs);
    return 0;
}
