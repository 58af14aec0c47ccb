#include "engine/CountingSession.h"
#include "windows/WindowMemory.h"

#include <QTest>

#include <functional>

// Every start-of-program value: a new run and window memory have it, and
// their applyDefaults put it back after a lesson has changed it.
class CountingSessionTest : public QObject {
    Q_OBJECT
private slots:
    void defaults_data();
    void defaults();
    void defaultsLeaveTheRestAlone();
};

namespace {
struct Start {
    CountingSession run;
    WindowMemory memory;
    void applyDefaults()
    {
        ::applyDefaults(run);
        memory.applyDefaults();
    }
};
} // namespace

using Read = std::function<QString(const Start &)>;
using Change = std::function<void(Start &)>;
Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(Change)

namespace {
QString text(const CounterSettings &c)
{
    return QStringLiteral("%1 %2 %3").arg(c.firstNumber.toDouble()).arg(c.firstStep.toDouble()).arg(c.stepChange.toDouble());
}
} // namespace

void CountingSessionTest::defaults_data()
{
    QTest::addColumn<Read>("read");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, Read read, Change change, const QString &expected) {
        QTest::newRow(name) << read << change << expected;
    };
    row("counter 1", [](auto &s) { return text(s.run.counter1); }, [](auto &s) { s.run.counter1 = {3, 4, 5}; }, "0 1 0");
    row("counter 2", [](auto &s) { return text(s.run.counter2); }, [](auto &s) { s.run.counter2 = {3, 4, 5}; }, "0 0 0");
    row("step 1", [](auto &s) { return s.run.currentStep1.shown().text(QChar('.')); }, [](auto &s) { s.run.currentStep1 = ExactDecimal::fromShown(9); }, "1");
    row("step 2", [](auto &s) { return s.run.currentStep2.shown().text(QChar('.')); }, [](auto &s) { s.run.currentStep2 = ExactDecimal::fromShown(9); }, "0");
    row("speed", [](auto &s) { return QString::number(s.run.speed); }, [](auto &s) { s.run.speed = 2.5f; }, "1");
    row("counters", [](auto &s) { return QString::number(s.run.counterCount); }, [](auto &s) { s.run.counterCount = 2; }, "1");
    row("pause dialog placed", [](auto &s) { return QString::number(s.memory.pauseDialogPlacement.placed); },
        [](auto &s) { s.memory.pauseDialogPlacement.placed = true; }, "0");
    row("list placed", [](auto &s) { return QString::number(s.memory.listPlacement.placed); },
        [](auto &s) { s.memory.listPlacement.placed = true; }, "0");
    row("graph placed", [](auto &s) { return QString::number(s.memory.graphPlacement.placed); },
        [](auto &s) { s.memory.graphPlacement.placed = true; }, "0");
    row("board placed", [](auto &s) { return QString::number(s.memory.boardPlacement.placed); },
        [](auto &s) { s.memory.boardPlacement.placed = true; }, "0");
    row("toolbar", [](auto &s) { return QString::number(int(s.memory.toolbarPosition)); },
        [](auto &s) { s.memory.toolbarPosition = ToolbarPosition::Left; }, "1");
    row("keypad side", [](auto &s) { return QString(s.memory.keypadOnRight ? "right" : "left"); },
        [](auto &s) { s.memory.keypadOnRight = false; }, "right");
    row("list file number", [](auto &s) { return QString::number(s.memory.listFileNumber); },
        [](auto &s) { s.memory.listFileNumber = 4; }, "1");
    row("graph file number", [](auto &s) { return QString::number(s.memory.graphFileNumber); },
        [](auto &s) { s.memory.graphFileNumber = 4; }, "1");
    row("board file number", [](auto &s) { return QString::number(s.memory.boardFileNumber); },
        [](auto &s) { s.memory.boardFileNumber = 4; }, "1");
}

void CountingSessionTest::defaults()
{
    QFETCH(Read, read);
    QFETCH(Change, change);
    QFETCH(QString, expected);
    Start start;
    QCOMPARE(read(start), expected);
    change(start);
    QVERIFY(read(start) != expected);
    start.applyDefaults();
    QCOMPARE(read(start), expected);
}

// What a teacher chose for the list and where the graph stood outlive the
// defaults.
void CountingSessionTest::defaultsLeaveTheRestAlone()
{
    Start start;
    start.memory.listFontSize = 36;
    start.memory.listShowsSteps = true;
    start.memory.boardRowLength = 6;
    start.memory.graphPlacement.topLeft = QPointF(300, 450);
    start.run.countIndex = 7;
    start.applyDefaults();
    QCOMPARE(start.memory.listFontSize, 36.0f);
    QVERIFY(start.memory.listShowsSteps);
    QCOMPARE(start.memory.boardRowLength, 6);
    QCOMPARE(start.memory.graphPlacement.topLeft, QPointF(300, 450));
    QCOMPARE(start.run.countIndex, std::int16_t(7));
}

QTEST_APPLESS_MAIN(CountingSessionTest)
#include "tst_countingsession.moc"
