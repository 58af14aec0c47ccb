// The real event pump and clock: how long their waits really take, what
// they do with odd durations, and what a wait holding input still handles.
// The held-input case needs a real X display ($TALLYVANE_TEST_DISPLAY, as
// scripts/test provides), since only a window system queues input.

#include "platform/EventPump.h"
#include "platform/SteadyClock.h"
#include "tests/support/TestDisplay.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <ctime>
#include <limits>

namespace {

enum class Wait { HandlingInput, HoldingInput };

void pumpFor(EventPump &pump, Wait wait, double seconds)
{
    if (wait == Wait::HandlingInput)
        pump.waitForEvents(seconds);
    else
        pump.holdInputFor(seconds);
}

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// Notes when it is drawn and when a key reaches it, on the clock.
class Recorder : public QWidget {
public:
    explicit Recorder(SteadyClock &clock) : m_clock(clock) {}
    QList<double> painted;
    QList<double> keys;

protected:
    void paintEvent(QPaintEvent *) override { painted << m_clock.now(); }
    void keyPressEvent(QKeyEvent *) override { keys << m_clock.now(); }

private:
    SteadyClock &m_clock;
};

} // namespace

Q_DECLARE_METATYPE(Wait)

class EventPumpTest : public QObject {
    Q_OBJECT
private slots:
    void shortWaitEndsAtItsDeadline_data();
    void shortWaitEndsAtItsDeadline();
    void oddDurationsNeitherSpinNorOverflow_data();
    void oddDurationsNeitherSpinNorOverflow();
    void heldWaitRepaintsButKeepsKeysForLater();

private:
    SteadyClock m_clock;
    QtEventPump m_pump;
};

void EventPumpTest::shortWaitEndsAtItsDeadline_data()
{
    QTest::addColumn<Wait>("wait");
    QTest::newRow("handling input") << Wait::HandlingInput;
    QTest::newRow("holding input") << Wait::HoldingInput;
}

// A busy machine now and then wakes a process late, whatever it asked for;
// a wait that overshoots its deadline is late every time. So the best of a
// few waits is judged, and every one of them for polling.
void EventPumpTest::shortWaitEndsAtItsDeadline()
{
    QFETCH(Wait, wait);
    double late = std::numeric_limits<double>::infinity();
    for (int attempt = 0; attempt < 5 && late >= 0.01; ++attempt) {
        const double deadline = m_clock.now() + 0.05;
        int passes = 0;
        while (m_clock.now() <= deadline) {
            pumpFor(m_pump, wait, deadline - m_clock.now());
            ++passes;
        }
        late = std::min(late, m_clock.now() - deadline);
        QVERIFY2(passes < 10, qPrintable(QString("%1 passes: the wait polls").arg(passes)));
    }
    QVERIFY2(late < 0.01, qPrintable(QString("%1 ms late in the best of five waits").arg(late * 1000)));
}

void EventPumpTest::oddDurationsNeitherSpinNorOverflow_data()
{
    QTest::addColumn<Wait>("wait");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("blocks");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto &[name, wait] : {std::pair{"handling input", Wait::HandlingInput},
                                     std::pair{"holding input", Wait::HoldingInput}}) {
        const QByteArray kind(name);
        QTest::newRow(kind + ", weeks") << wait << 2000000.0 << true;
        QTest::newRow(kind + ", beyond int milliseconds") << wait << 2147484.0 << true;
        QTest::newRow(kind + ", largest float") << wait << 3.4e38 << true;
        QTest::newRow(kind + ", largest double") << wait << std::numeric_limits<double>::max() << true;
        QTest::newRow(kind + ", infinite") << wait << inf << true;
        QTest::newRow(kind + ", zero") << wait << 0.0 << false;
        QTest::newRow(kind + ", negative") << wait << -5.0 << false;
        QTest::newRow(kind + ", minus infinity") << wait << -inf << false;
        QTest::newRow(kind + ", not a number") << wait << nan << false;
    }
}

// A long wait blocks until the next event (here a timer) without spinning;
// one that is no wait at all returns at once.
void EventPumpTest::oddDurationsNeitherSpinNorOverflow()
{
    QFETCH(Wait, wait);
    QFETCH(double, seconds);
    QFETCH(bool, blocks);
    bool fired = false;
    QTimer::singleShot(100, Qt::PreciseTimer, this, [&] { fired = true; });
    const double wallBefore = m_clock.now();
    const double cpuBefore = cpuSeconds();
    int passes = 0;
    do {
        pumpFor(m_pump, wait, seconds);
        ++passes;
    } while (blocks && !fired && passes < 100);
    const double wall = m_clock.now() - wallBefore;
    QCOMPARE(fired, blocks);
    if (blocks) {
        QVERIFY2(passes < 5, qPrintable(QString("%1 passes: the wait polls").arg(passes)));
        QVERIFY2(cpuSeconds() - cpuBefore < wall / 2, "the wait kept a core busy");
    } else {
        QVERIFY(wall < 0.09);
    }
    QTRY_VERIFY(fired);
}

void EventPumpTest::heldWaitRepaintsButKeepsKeysForLater()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("Needs a real X display: scripts/test sets TALLYVANE_TEST_DISPLAY.");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("Needs xdotool to press a key on the X display.");
    Recorder window(m_clock);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!window.painted.isEmpty());
    const QString xdotool = QStringLiteral("xdotool");
    QCOMPARE(QProcess::execute(xdotool, {"windowfocus", "--sync", QString::number(window.winId())}), 0);
    QTRY_VERIFY(window.isActiveWindow());
    // A first key shows that keys reach the window at all.
    QProcess::execute(xdotool, {"key", "b"});
    QTRY_VERIFY(!window.keys.isEmpty());
    window.keys.clear();
    window.painted.clear();

    // The wait lasts half a second, or on a busy machine until a moment
    // after xdotool has typed the key, however long it took to start.
    QProcess typing;
    double typedAt = -1;
    connect(&typing, &QProcess::finished, this, [&] { typedAt = m_clock.now(); });
    QTimer::singleShot(50, this, [&] {
        typing.start(xdotool, {"key", "a"});
        window.update();
    });
    const double started = m_clock.now();
    const auto deadline = [&] { return typedAt < 0 ? started + 30 : std::max(started + 0.5, typedAt + 0.2); };
    const double cpuBefore = cpuSeconds();
    while (m_clock.now() <= deadline())
        m_pump.holdInputFor(deadline() - m_clock.now());
    const double ended = m_clock.now();

    QVERIFY2(typedAt >= 0, "xdotool did not type the key");
    QVERIFY2(cpuSeconds() - cpuBefore < 0.25, "the wait spun while input was held");
    QVERIFY2(!window.painted.isEmpty() && window.painted.first() < ended, "no repaint during the wait");
    QVERIFY(window.keys.isEmpty());
    m_pump.handlePendingEvents();
    QCOMPARE(window.keys.size(), 1);
    QVERIFY(window.keys.first() >= ended);
}

int main(int argc, char *argv[])
{
    useTestDisplay();
    QApplication app(argc, argv);
    EventPumpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_eventpump.moc"
