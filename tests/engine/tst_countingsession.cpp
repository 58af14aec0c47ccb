#include "CountingSession.h"

#include <QTest>

#include <functional>

// Every start-of-program value: a new session has it, and applyDefaults puts
// it back after a lesson has changed it.
class CountingSessionTest : public QObject {
    Q_OBJECT
private slots:
    void defaults_data();
    void defaults();
    void defaultsLeaveTheRestAlone();
};

using Read = std::function<QString(const CountingSession &)>;
using Change = std::function<void(CountingSession &)>;
Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(Change)

namespace {
QString text(const CounterSettings &c)
{
    return QStringLiteral("%1 %2 %3").arg(c.firstNumber).arg(c.firstStep).arg(c.stepChange);
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
    row("counter 1", [](auto &s) { return text(s.counter1); }, [](auto &s) { s.counter1 = {3, 4, 5}; }, "0 1 0");
    row("counter 2", [](auto &s) { return text(s.counter2); }, [](auto &s) { s.counter2 = {3, 4, 5}; }, "0 0 0");
    row("step 1", [](auto &s) { return s.currentStep1.shown().text(QChar('.')); }, [](auto &s) { s.currentStep1 = ExactDecimal::fromShown(9); }, "1");
    row("step 2", [](auto &s) { return s.currentStep2.shown().text(QChar('.')); }, [](auto &s) { s.currentStep2 = ExactDecimal::fromShown(9); }, "0");
    row("speed", [](auto &s) { return QString::number(s.speed); }, [](auto &s) { s.speed = 2.5f; }, "1");
    row("counters", [](auto &s) { return QString::number(s.counterCount); }, [](auto &s) { s.counterCount = 2; }, "1");
    row("pause dialog placed", [](auto &s) { return QString::number(s.pauseDialogPlacement.placed); },
        [](auto &s) { s.pauseDialogPlacement.placed = true; }, "0");
    row("list placed", [](auto &s) { return QString::number(s.listPlacement.placed); },
        [](auto &s) { s.listPlacement.placed = true; }, "0");
    row("graph placed", [](auto &s) { return QString::number(s.graphPlacement.placed); },
        [](auto &s) { s.graphPlacement.placed = true; }, "0");
    row("toolbar", [](auto &s) { return QString::number(int(s.toolbarPosition)); },
        [](auto &s) { s.toolbarPosition = ToolbarPosition::Left; }, "1");
    row("keypad side", [](auto &s) { return QString(s.keypadOnRight ? "right" : "left"); },
        [](auto &s) { s.keypadOnRight = false; }, "right");
}

void CountingSessionTest::defaults()
{
    QFETCH(Read, read);
    QFETCH(Change, change);
    QFETCH(QString, expected);
    CountingSession session;
    QCOMPARE(read(session), expected);
    change(session);
    QVERIFY(read(session) != expected);
    applyDefaults(session);
    QCOMPARE(read(session), expected);
}

// What a teacher chose for the windows and the files outlives the defaults.
void CountingSessionTest::defaultsLeaveTheRestAlone()
{
    CountingSession session;
    session.listFontSize = 36;
    session.listShowsSteps = true;
    session.graphPlacement.topLeft = QPointF(300, 450);
    session.listFileNumber = 4;
    session.countIndex = 7;
    applyDefaults(session);
    QCOMPARE(session.listFontSize, 36.0f);
    QVERIFY(session.listShowsSteps);
    QCOMPARE(session.graphPlacement.topLeft, QPointF(300, 450));
    QCOMPARE(session.listFileNumber, std::int16_t(4));
    QCOMPARE(session.countIndex, std::int16_t(7));
}

QTEST_APPLESS_MAIN(CountingSessionTest)
#include "tst_countingsession.moc"
