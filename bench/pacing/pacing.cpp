// Counts in the real main window at 0.25 s per count and reports how evenly
// the values reach the screen and how much CPU the waiting costs.

#include "Lesson.h"
#include "PauseDialog.h"
#include "QtDialogs.h"
#include "SteadyClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int counts = 40;
constexpr float speed = 0.25f;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Notes the moment each new value is painted, pauses after the last count
// and stops the run at the pause dialog.
class PaintWatcher : public QObject {
public:
    PaintWatcher(Lesson &lesson) : m_lesson(lesson)
    {
        lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")->installEventFilter(this);
        qApp->installEventFilter(this);
        m_clock.start();
    }
    std::vector<double> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == m_lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")) {
            const QString text = m_lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")->text();
            if (text != m_lastText) {
                m_lastText = text;
                paints.push_back(double(m_clock.nsecsElapsed()) / 1e6);
                if (int(paints.size()) == counts + 1)
                    m_lesson.runLoop().requestPause();
            }
        }
        if (auto *dialog = qobject_cast<PauseDialog *>(watched); dialog && event->type() == QEvent::Show)
            QTimer::singleShot(0, dialog, [dialog] { dialog->button("cmdStopit")->click(); });
        return false;
    }

private:
    Lesson &m_lesson;
    QElapsedTimer m_clock;
    QString m_lastText;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double rank = p * double(values.size() - 1);
    const auto low = size_t(std::floor(rank));
    const auto high = std::min(low + 1, values.size() - 1);
    return values[low] + (rank - double(low)) * (values[high] - values[low]);
}

// One run of the given number of counters: with two, every wait holds the
// teacher's input back and only repaints.
int measure(int counters)
{
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    Lesson lesson(dialogs, clock, pump);
    lesson.session().speed = speed;
    lesson.session().counterCount = std::int16_t(counters);
    lesson.mainWindow().setTwoCounterMode(counters == 2);
    lesson.mainWindow().show();
    if (!QTest::qWaitForWindowExposed(&lesson.mainWindow())) {
        std::fputs("The main window was never shown.\n", stderr);
        return 1;
    }
    PaintWatcher watcher(lesson);

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    lesson.mainWindow().findChild<QPushButton *>("cmdStart")->click();
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    std::vector<double> lateness;
    for (size_t i = 1; i < watcher.paints.size(); ++i)
        lateness.push_back(std::fabs(watcher.paints[i] - watcher.paints[i - 1] - speed * 1000));
    const char *name = counters == 1 ? "pacing" : "pacing_two_counters";
    std::printf("%s_counts: %zu counts\n", name, lateness.size());
    std::printf("%s_lateness_median: %.3f ms\n", name, percentile(lateness, 0.5));
    std::printf("%s_lateness_p95: %.3f ms\n", name, percentile(lateness, 0.95));
    std::printf("%s_cpu: %.2f %%\n", name, 100.0 * cpu / wallSeconds);
    return 0;
}

// Counts as fast as the clock allows until the maximum count, and reports how
// long the whole run took: what adding, writing and painting a value costs.
int measureFullCount(const char *name, CounterSettings counter)
{
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    Lesson lesson(dialogs, clock, pump);
    lesson.session().speed = 0;
    lesson.session().counter1 = counter;
    lesson.mainWindow().show();
    if (!QTest::qWaitForWindowExposed(&lesson.mainWindow()))
        return 1;
    // The maximum-count message ends the run; it is answered as it shows.
    QElapsedTimer wall;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("count_to_32767_%s: %.3f s\n", name, double(wall.nsecsElapsed()) / 1e9);
            box->accept();
        }
    });
    answer.start(1);
    wall.start();
    lesson.mainWindow().findChild<QPushButton *>("cmdStart")->click();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return measure(1) || measure(2) || measureFullCount("in_ones", {0, 1, 0})
        || measureFullCount("back_in_tenths", {2, -0.1, 0});
}
