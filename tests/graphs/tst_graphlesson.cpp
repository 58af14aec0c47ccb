#include "tests/support/AppRig.h"
#include "tests/support/GraphSteps.h"
#include "tests/support/PauseAnswerer.h"

#include <QTest>
#include <QXYSeries>

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
    AppRig rig;
    AppController &lesson = rig.lesson;
    lesson.session().counterCount = std::int16_t(counters);
    lesson.session().speed = 0;
    rig.pump.beforePump = [&] {
        if (lesson.session().countIndex == pauseAt)
            emit lesson.mainWindow().pauseRequested();
    };
    // The graph windows still there each time the pause dialog comes up.
    QList<int> graphWindowsAtPause;
    PauseAnswerer teacher;
    teacher.presses << "cmdGraph" << "cmdStopit";
    teacher.onShown = [&](PauseDialog *) { graphWindowsAtPause << GraphSteps::existingWindows(); };
    GraphSteps steps;
    int points = 0;
    steps.then([&](GraphWindow &window) {
        points = int(qobject_cast<QXYSeries *>(window.chartView->chart()->series().front())->count());
        if (pressBar)
            window.barGraphButton->click();
    });
    steps.then([](GraphWindow &) {});  // the bar graph, closed at once

    rig.button("cmdStart")->click();

    QCOMPARE(points, pauseAt + 1);
    QCOMPARE(steps.shown, windows);
    QCOMPARE(steps.unplanned, 0);
    QCOMPARE(rig.dialogs.messages, messages);
    // The pause dialog came back once the graph was done, with no graph window left.
    QCOMPARE(graphWindowsAtPause, (QList<int>{0, 0}));
    QCOMPARE(GraphSteps::existingWindows(), 0);
}

QTEST_MAIN(GraphLessonTest)
#include "tst_graphlesson.moc"
