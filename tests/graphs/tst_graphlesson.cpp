#include "Named.h"
#include "FakeClock.h"
#include "FakePump.h"
#include "GraphSteps.h"
#include "Lesson.h"
#include "ScriptedDialogs.h"

#include <QTest>
#include <QXYSeries>

namespace {

// Presses the pause dialog's buttons, one each time a pause dialog comes up,
// and notes how many graph windows still existed at that moment.
class PausePresser : public QObject {
public:
    explicit PausePresser(QStringList presses) : m_presses(std::move(presses)) { qApp->installEventFilter(this); }
    ~PausePresser() override { qApp->removeEventFilter(this); }

    QList<int> graphWindowsAtPause;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<PauseDialog *>(watched);
        if (dialog && event->type() == QEvent::Show && !event->spontaneous()) {
            graphWindowsAtPause.append(GraphSteps::existingWindows());
            const QString press = m_presses.isEmpty() ? QStringLiteral("cmdStopit") : m_presses.takeFirst();
            QTimer::singleShot(0, dialog, [dialog, press] { dialog->button(press.toLatin1().constData())->click(); });
        }
        return false;
    }

private:
    QStringList m_presses;
};

} // namespace

// From the pause dialog's Graph button through the graph windows and back.
class GraphLessonTest : public QObject {
    Q_OBJECT
private slots:
    void graphReturnsToThePause_data();
    void graphReturnsToThePause();
};

void GraphLessonTest::graphReturnsToThePause_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("pauseAt");
    QTest::addColumn<bool>("pressBar");
    QTest::addColumn<int>("windows");
    QTest::addColumn<QList<Message>>("messages");
    QTest::newRow("line graph closed") << 1 << 3 << false << 1 << QList<Message>{};
    QTest::newRow("line, bar, closed") << 1 << 3 << true << 2 << QList<Message>{};
    QTest::newRow("two counters, bar graph refused") << 2 << 150 << true << 1 << QList{Messages::tooManyForBars()};
}

void GraphLessonTest::graphReturnsToThePause()
{
    QFETCH(int, counters);
    QFETCH(int, pauseAt);
    QFETCH(bool, pressBar);
    QFETCH(int, windows);
    QFETCH(QList<Message>, messages);
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump(clock);
    Lesson lesson(dialogs, clock, pump);
    lesson.session().counterCount = std::int16_t(counters);
    lesson.session().speed = 0;
    pump.beforePump = [&] {
        if (lesson.session().countIndex == pauseAt)
            lesson.runLoop().requestPause();
    };
    PausePresser presser({QStringLiteral("cmdGraph"), QStringLiteral("cmdStopit")});
    GraphSteps steps;
    int points = 0;
    steps.then([&](frmGraph &window) {
        points = int(qobject_cast<QXYSeries *>(window.chartView->chart()->series().front())->count());
        if (pressBar)
            window.cmdBar->click();
    });
    steps.then([](frmGraph &) {});  // the bar graph, closed at once

    named<QPushButton>(lesson.mainWindow(), "cmdStart")->click();

    QCOMPARE(points, pauseAt + 1);
    QCOMPARE(steps.shown, windows);
    QCOMPARE(steps.unplanned, 0);
    QCOMPARE(dialogs.messages, messages);
    // The pause dialog came back once the graph was done, with no graph window left.
    QCOMPARE(presser.graphWindowsAtPause, (QList<int>{0, 0}));
    QCOMPARE(GraphSteps::existingWindows(), 0);
}

QTEST_MAIN(GraphLessonTest)
#include "tst_graphlesson.moc"
