// Counts in the real main window at 0.25 s per count and reports how evenly
// the values reach the screen and how much CPU the waiting costs; last with
// 60 pupils joined by Class Answers (bench_pupils, over loopback), who see
// every count and answer at a pause halfway. That pause is reported apart,
// its CPU and time left out of the pace's.

#include "tests/support/Named.h"
#include "app/AppController.h"
#include "bench/Percentile.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"
#include "windows/pause/PauseDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
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
constexpr int pupils = 60;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Notes the moment each new value is painted, pauses after the last count
// and stops the run at the pause dialog. With pupils it also pauses halfway
// and continues once they have all answered.
class PaintWatcher : public QObject {
public:
    PaintWatcher(AppController &lesson, bool withPupils) : m_lesson(lesson), m_withPupils(withPupils)
    {
        lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")->installEventFilter(this);
        qApp->installEventFilter(this);
        m_clock.start();
    }
    std::vector<double> paints;
    size_t continuedAt = 0;  // the paint after the pause halfway, if any
    // From the pause dialog halfway to the next count: the pupils answering,
    // which is no part of the pace.
    struct Span {
        double cpu = 0, wall = 0;
        QElapsedTimer clock;
        double cpuAtBegin = 0;
        void begin() { clock.start(); cpuAtBegin = cpuSeconds(); }
        void end() { wall = double(clock.nsecsElapsed()) / 1e9; cpu = cpuSeconds() - cpuAtBegin; }
    } pauseSpan;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == m_lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")) {
            const QString text = m_lesson.mainWindow().findChild<CounterLabel *>("lblCounter1")->text();
            if (text != m_lastText) {
                m_lastText = text;
                paints.push_back(double(m_clock.nsecsElapsed()) / 1e6);
                if (paints.size() == continuedAt + 1 && continuedAt > 0)
                    pauseSpan.end();
                if (int(paints.size()) == counts + 1 || (m_withPupils && int(paints.size()) == counts / 2))
                    emit m_lesson.mainWindow().pauseRequested();
            }
        }
        if (auto *dialog = qobject_cast<PauseDialog *>(watched); dialog && event->type() == QEvent::Show) {
            if (int(paints.size()) == counts / 2 && m_withPupils) {
                pauseSpan.begin();
                QTimer::singleShot(0, dialog, [this, dialog] { continueOnceAnswered(dialog); });
            }
            else
                QTimer::singleShot(0, dialog, [dialog] { named<QPushButton>(*dialog, "cmdStopit")->click(); });
        }
        return false;
    }

private:
    void continueOnceAnswered(PauseDialog *dialog)
    {
        if (!QTest::qWaitFor([this] { return m_lesson.classAnswers().question().answeredCount() == pupils; }))
            std::fputs("Not every pupil answered.\n", stderr);
        continuedAt = paints.size();
        named<QPushButton>(*dialog, "cmdContinue")->click();
    }

    AppController &m_lesson;
    bool m_withPupils;
    QElapsedTimer m_clock;
    QString m_lastText;
};

// One run of the given number of counters: with two, every wait holds the
// teacher's input back and only repaints.
int measure(int counters, bool withPupils = false)
{
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump);
    lesson.session().speed = speed;
    lesson.session().counterCount = std::int16_t(counters);
    lesson.mainWindow().setTwoCounterMode(counters == 2);
    lesson.mainWindow().show();
    if (!QTest::qWaitForWindowExposed(&lesson.mainWindow())) {
        std::fputs("The main window was never shown.\n", stderr);
        return 1;
    }
    QProcess class_;
    if (withPupils) {
        lesson.classAnswers().setListenAddress(QHostAddress::LocalHost);
        // The class on loopback comes from one address.
        lesson.classAnswers().server().setMaxPerAddress(pupils);
        lesson.mainWindow().findChild<QPushButton *>("classAnswersButton")->click();
        class_.start(QStringLiteral(BENCH_PUPILS), {QString::number(lesson.classAnswers().server().port()),
                                                    lesson.classAnswers().joinCode(), QString::number(pupils)});
        if (!QTest::qWaitFor([&] { return lesson.classAnswers().deviceCount() == pupils; }, 20000)) {
            std::fputs("The pupils never all joined.\n", stderr);
            return 1;
        }
    }
    PaintWatcher watcher(lesson, withPupils);

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    lesson.mainWindow().findChild<QPushButton *>("cmdStart")->click();
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9 - watcher.pauseSpan.wall;
    const double cpu = cpuSeconds() - cpuBefore - watcher.pauseSpan.cpu;

    std::vector<double> lateness;
    for (size_t i = 1; i < watcher.paints.size(); ++i)
        if (i != watcher.continuedAt)  // the pause is no count
            lateness.push_back(std::fabs(watcher.paints[i] - watcher.paints[i - 1] - speed * 1000));
    const char *name = withPupils ? "pacing_60_pupils" : counters == 1 ? "pacing" : "pacing_two_counters";
    std::printf("%s_counts: %zu counts\n", name, lateness.size());
    std::printf("%s_lateness_median: %.3f ms\n", name, percentile(lateness, 0.5));
    std::printf("%s_lateness_p95: %.3f ms\n", name, percentile(lateness, 0.95));
    std::printf("%s_cpu: %.2f %%\n", name, 100.0 * cpu / wallSeconds);
    if (withPupils)
        std::printf("%s_answering_at_a_pause_cpu: %.1f ms in %.2f s\n", name, 1000 * watcher.pauseSpan.cpu,
                    watcher.pauseSpan.wall);
    class_.kill();
    class_.waitForFinished();
    return 0;
}

// Counts as fast as the clock allows until the maximum count, and reports how
// long the whole run took: what adding, writing and painting a value costs.
int measureFullCount(const char *name, CounterSettings counter)
{
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump);
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
        || measureFullCount("back_in_tenths", {2, -0.1, 0}) || measure(1, true);
}
