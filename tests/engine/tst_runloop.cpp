#include "engine/NumberText.h"
#include "engine/RunLoop.h"
#include "tests/support/CountingRig.h"
#include "tests/support/FakeClock.h"
#include "engine/CountAloud.h"
#include "tests/support/RecordingSpeaker.h"
#include "tests/support/ScriptedDialogs.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

namespace {

// Millionths, wide enough for any count of any setting with six decimals.
__extension__ typedef __int128 Millionths;

// The decimal a count of millionths is written as: all of it up to 15
// significant digits, else rounded to 15, a tie to the even digit.
Decimal writtenAs(Millionths value)
{
    const bool negative = value < 0;
    Millionths magnitude = negative ? -value : value;
    Millionths unit = 1;
    int dropped = 0;
    while (magnitude / unit >= 1'000'000'000'000'000) {
        unit *= 10;
        ++dropped;
    }
    Millionths kept = magnitude / unit;
    const Millionths rest = magnitude % unit;
    if (2 * rest > unit || (2 * rest == unit && kept % 2 == 1))
        ++kept;
    return Decimal(std::int64_t(negative ? -kept : kept), dropped - 6);
}

} // namespace

class RunLoopTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsCountOnePerSecond();
    void secondOrderSequencePausesAfterSeven();
    void pauseDuringFirstWaitActsAfterSecondValue();
    void continueWaitsOneSecondThenSpeed();
    void firstWaitAndContinueDelayHoldInput();
    void speedButtons_data();
    void speedButtons();
    void fasterShortensWaitInProgress();
    void pauseWorksAtSpeedZeroAndBelow_data();
    void pauseWorksAtSpeedZeroAndBelow();
    void twoCountersCountTogetherAndDeferEvents();
    void shorterRunLeavesOldEntries();
    void maximumCountEndsRun();
    void overflowEndsRunWithMessage_data();
    void overflowEndsRunWithMessage();
    void predictListAndGraphReturnToDialog();
    void continueShowsThePredictedNumbers_data();
    void continueShowsThePredictedNumbers();
    void longWaitsStopAtOnce_data();
    void longWaitsStopAtOnce();
    void countsBackInTenthsExactly();
    void showsTheExactSumOfTypedDecimals();
    void closedDialogEndsRun();
    void runButtonsDisabledForTheRun();
    void plannedPausesComeAtTheirCount_data();
    void plannedPausesComeAtTheirCount();
    void hushedNumbersShowAQuestionMark_data();
    void hushedNumbersShowAQuestionMark();
    void countingAloudNeverCutsANumberOff_data();
    void countingAloudNeverCutsANumberOff();
};

Q_DECLARE_METATYPE(Routine)

void RunLoopTest::defaultsCountOnePerSecond()
{
    CountingRig rig;
    applyDefaults(rig.session);
    rig.pauseAt("3");
    const double start = rig.clock.now();
    rig.loop.startRun();

    QCOMPARE(rig.view.counter1Texts(), QStringList({"0", "1", "2", "3"}));
    for (int k = 0; k < 4; ++k)
        QVERIFY(qAbs(rig.view.shown[k].at - (start + k)) < 1e-6);
    QCOMPARE(rig.session.countIndex, 3);
    QCOMPARE(rig.view.pauses.size(), 1);
    QCOMPARE(rig.view.pauses[0].counters, 1);
}

void RunLoopTest::secondOrderSequencePausesAfterSeven()
{
    CountingRig rig;
    rig.session.counter1 = {1, 1, 1};
    rig.view.onShown = [&] {
        if (rig.view.shown.last().counter1 == "7" || rig.view.shown.last().counter1 == "16")
            rig.loop.requestPause();
    };
    rig.view.choose(PauseChoice::Continue);
    rig.view.choose(PauseChoice::Stop);
    rig.loop.startRun();

    QCOMPARE(rig.view.counter1Texts(), QStringList({"1", "2", "4", "7", "11", "16"}));
    QCOMPARE(rig.view.pauses[0].counter1, QStringLiteral("7"));
    QCOMPARE(rig.session.countIndex, 5);
    const double expected[] = {1, 2, 4, 7, 11, 16};
    for (int k = 0; k <= 5; ++k)
        QCOMPARE((*rig.session.history1)[k], expected[k]);
    QCOMPARE((rig.session.currentValue1 + rig.session.currentStep1).toDouble(), 22.0);
}

void RunLoopTest::pauseDuringFirstWaitActsAfterSecondValue()
{
    CountingRig rig;
    bool pressed = false;
    rig.view.onEvents = [&] {
        if (!pressed) {  // the first events handled are those of the first wait
            pressed = true;
            rig.loop.requestPause();
        }
    };
    rig.loop.startRun();
    QCOMPARE(rig.view.counter1Texts(), QStringList({"0", "1"}));
    QCOMPARE(rig.view.pauses.size(), 1);
    QVERIFY(rig.view.pausedAt[0] >= rig.view.shown[1].at + 1.0);
}

void RunLoopTest::continueWaitsOneSecondThenSpeed()
{
    CountingRig rig;
    rig.session.speed = 2;
    rig.view.choose(PauseChoice::Continue);
    rig.view.onShown = [&] {
        if (rig.view.shown.size() == 2 || rig.view.shown.size() == 4)
            rig.loop.requestPause();
    };
    rig.loop.startRun();

    QCOMPARE(rig.view.counter1Texts(), QStringList({"0", "1", "2", "3"}));
    const double closed = rig.view.pausedAt[0] + 3;  // the fake teacher took 3 s
    QVERIFY(qAbs(rig.view.shown[2].at - (closed + 1)) < 1e-6);
    QVERIFY(qAbs(rig.view.shown[3].at - (rig.view.shown[2].at + 2)) < 1e-6);
}

void RunLoopTest::firstWaitAndContinueDelayHoldInput()
{
    CountingRig rig;
    rig.session.speed = 2;
    rig.view.choose(PauseChoice::Continue);
    rig.view.onShown = [&] {
        if (rig.view.shown.size() == 2 || rig.view.shown.size() == 3)
            rig.loop.requestPause();
    };
    rig.loop.startRun();

    const auto inputDuring = [&](double from, double to) {
        return std::any_of(rig.view.inputHandledAt.begin(), rig.view.inputHandledAt.end(),
                           [&](double at) { return at >= from && at < to; });
    };
    const double firstShown = rig.view.shown[0].at;
    const double continued = rig.view.pausedAt[0] + 3;  // the fake teacher took 3 s
    QVERIFY(rig.view.heldWaits >= 2);
    QVERIFY(!inputDuring(firstShown, firstShown + rig.session.speed));
    QVERIFY(!inputDuring(continued, continued + 1));
    QVERIFY(inputDuring(continued + 1, rig.view.shown[2].at + 1e-6));
}

void RunLoopTest::speedButtons_data()
{
    QTest::addColumn<float>("speed");
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("faster at zero") << 0.0f << "ff" << QStringList{"0", "0"};
    QTest::newRow("slower at five") << 5.0f << "ss" << QStringList{"5", "5"};
    QTest::newRow("faster below zero") << 0.1f << "ff" << QStringList{"-0.15", "-0.4"};
    QTest::newRow("slower above five") << 5.1f << "ss" << QStringList{"5.35", "5.6"};
    QTest::newRow("faster from one") << 1.0f << "fff" << QStringList{"0.75", "0.5", "0.25"};
    QTest::newRow("slower then faster") << 4.75f << "ssf" << QStringList{"5", "5", "4.75"};
}

void RunLoopTest::speedButtons()
{
    QFETCH(float, speed);
    QFETCH(QString, presses);
    QFETCH(QStringList, texts);
    CountingRig rig;
    rig.session.speed = speed;
    QStringList seen;
    for (const QChar press : presses) {
        if (press == QChar('f'))
            rig.loop.faster();
        else
            rig.loop.slower();
        seen << numberToText(rig.session.speed);
    }
    QCOMPARE(seen, texts);
}

void RunLoopTest::fasterShortensWaitInProgress()
{
    CountingRig rig;
    rig.session.speed = 1;
    rig.view.onShown = [&] {
        if (rig.view.shown.size() == 3)
            rig.loop.requestPause();
    };
    bool pressed = false;
    // Faster pressed at the start of the second wait (the first with events).
    rig.view.onEvents = [&] {
        if (rig.view.shown.size() == 2 && !pressed) {
            pressed = true;
            rig.loop.faster();
        }
    };
    rig.loop.startRun();
    QVERIFY(qAbs(rig.view.shown[2].at - rig.view.shown[1].at - 0.75) < 1e-6);
}

void RunLoopTest::pauseWorksAtSpeedZeroAndBelow_data()
{
    QTest::addColumn<float>("speed");
    QTest::newRow("zero") << 0.0f;
    QTest::newRow("negative") << -0.4f;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
}

void RunLoopTest::pauseWorksAtSpeedZeroAndBelow()
{
    QFETCH(float, speed);
    CountingRig rig;
    rig.session.speed = speed;
    rig.view.onEvents = [&] {
        if (rig.session.countIndex == 50)
            rig.loop.requestPause();
    };
    rig.loop.startRun();
    QCOMPARE(rig.view.pauses.size(), 1);
    QCOMPARE(rig.session.countIndex, 50);
    QVERIFY(rig.view.pendingHandled + rig.view.eventWaits >= 51);
}

void RunLoopTest::twoCountersCountTogetherAndDeferEvents()
{
    CountingRig rig;
    rig.session.counterCount = 2;
    rig.session.counter1 = {3, 4, 0};
    rig.session.counter2 = {10, -1, 0.5};
    rig.view.onShown = [&] {
        if (rig.view.shown.size() == 4)
            rig.loop.requestPause();
    };
    rig.loop.startRun();

    QCOMPARE(rig.view.eventWaits, 0);  // never handled during a wait
    QCOMPARE(rig.view.pauses.size(), 1);
    QCOMPARE(rig.view.pauses[0].counters, 2);
    const QStringList c1 = {"3", "7", "11", "15"};
    const QStringList c2 = {"10", "9", "8.5", "8.5"};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(rig.view.shown[k].counter1, c1[k]);
        QCOMPARE(rig.view.shown[k].counter2.value(), c2[k]);
        QCOMPARE(numberToText((*rig.session.history2)[k]), c2[k]);
    }
    QCOMPARE((rig.session.currentValue2 + rig.session.currentStep2).toDouble(), 9.0);
}

void RunLoopTest::shorterRunLeavesOldEntries()
{
    CountingRig rig;
    rig.pauseAt("10");
    rig.loop.startRun();
    rig.session.counter1 = {100, 1, 0};
    rig.pauseAt("103");
    rig.loop.startRun();
    QCOMPARE(rig.session.countIndex, 3);
    QCOMPARE((*rig.session.history1)[3], 103.0);
    for (int k = 4; k <= 10; ++k)
        QCOMPARE((*rig.session.history1)[k], double(k));
}

void RunLoopTest::maximumCountEndsRun()
{
    CountingRig rig;
    rig.session.speed = 0;
    rig.loop.startRun();
    QCOMPARE(rig.session.countIndex, maximumCountIndex);
    QCOMPARE(rig.dialogs.messages, QList<Message>{Messages::maximumCount()});
    QCOMPARE(rig.view.shown.last().counter1, QStringLiteral("32767"));
    QCOMPARE((*rig.session.history1)[32767], 32767.0);
    QCOMPARE(rig.view.runningCalls, QList<bool>({true, false}));
    QVERIFY(rig.view.pauses.isEmpty());
}

void RunLoopTest::overflowEndsRunWithMessage_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<double>("first1");
    QTest::addColumn<double>("first2");
    QTest::addColumn<double>("step1");
    QTest::newRow("one counter") << 1 << 1e308 << 0.0 << 1e308;
    QTest::newRow("counter 1 of two") << 2 << 1e308 << 0.0 << 1e308;
    QTest::newRow("counter 2 alone") << 2 << 1e308 << 1e308 << 0.0;
    // One unit in the fifteenth digit past the largest number written.
    QTest::newRow("at the very top") << 1 << 1.79769313486231e308 << 0.0 << 1e294;
}

void RunLoopTest::overflowEndsRunWithMessage()
{
    QFETCH(int, counters);
    QFETCH(double, first1);
    QFETCH(double, first2);
    QFETCH(double, step1);
    CountingRig rig;
    rig.session.counterCount = counters;
    rig.session.counter1 = {first1, step1, 0};
    rig.session.counter2 = {first2, first2, 0};
    rig.loop.startRun();
    QCOMPARE(rig.dialogs.messages, QList<Message>{Messages::numbersTooLarge()});
    QCOMPARE(rig.view.counter1Texts(), QStringList{numberToText(first1)});
    QCOMPARE(rig.session.countIndex, 0);
    QCOMPARE(rig.view.runningCalls, QList<bool>({true, false}));
}

void RunLoopTest::predictListAndGraphReturnToDialog()
{
    CountingRig rig;
    rig.session.counter1 = {3, 4, 0};
    rig.pauseAt("7");
    rig.view.choose(PauseChoice::Predict);
    rig.view.choose(PauseChoice::List);
    rig.view.choose(PauseChoice::Graph);
    rig.view.choose(PauseChoice::Stop);
    rig.dialogs.textAnswers.enqueue("11");
    rig.loop.startRun();

    QCOMPARE(rig.view.pauses.size(), 4);
    QCOMPARE(rig.view.lists, 1);
    QCOMPARE(rig.view.graphs, 1);
    QCOMPARE(rig.dialogs.messages, QList<Message>{Messages::wellDone()});
    QCOMPARE(rig.view.counter1Texts(), QStringList({"3", "7"}));  // no counting in between
    QCOMPARE(rig.session.countIndex, 1);
}

// The class predicts at the second value; Continue then shows exactly what
// was judged right.
void RunLoopTest::continueShowsThePredictedNumbers_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<CounterSettings>("counter2");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("next1");
    QTest::addColumn<QString>("next2");
    // 0.1 + 0.1 + 0.1 is held as 0.30000000000000004 and shown as 0.3.
    QTest::newRow("one counter") << 1 << CounterSettings{} << QStringList{"0.3"} << "0.3" << "";
    QTest::newRow("two counters") << 2 << CounterSettings{1, 2, 1} << QStringList{"0.3", "6"} << "0.3" << "6";
}

void RunLoopTest::continueShowsThePredictedNumbers()
{
    QFETCH(int, counters);
    QFETCH(CounterSettings, counter2);
    QFETCH(QStringList, answers);
    QFETCH(QString, next1);
    QFETCH(QString, next2);
    CountingRig rig;
    rig.session.counterCount = std::int16_t(counters);
    rig.session.counter1 = {0.1, 0.1, 0};
    rig.session.counter2 = counter2;
    rig.view.onShown = [&] {
        if (rig.view.shown.size() >= 2)
            rig.loop.requestPause();
    };
    rig.view.choose(PauseChoice::Predict);
    rig.view.choose(PauseChoice::Continue);
    rig.view.choose(PauseChoice::Stop);
    for (const QString &answer : answers)
        rig.dialogs.textAnswers.enqueue(answer);
    rig.loop.startRun();

    QCOMPARE(rig.dialogs.messages, QList<Message>(answers.size(), Messages::wellDone()));
    QCOMPARE(rig.view.counter1Texts(), QStringList({"0.1", "0.2", next1}));
    if (counters == 2)
        QCOMPARE(rig.view.shown.last().counter2.value(), next2);
}

// Pause or Exit pressed 2 s into the second number's wait. Up to Count
// Slower's limit the wait keeps its pace; a longer one ends at once.
void RunLoopTest::longWaitsStopAtOnce_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<float>("speed");
    QTest::addColumn<bool>("quit");
    QTest::addColumn<double>("actsAfter");  // seconds after the second number showed
    for (const int counters : {1, 2}) {
        const QByteArray kind = counters == 1 ? "one counter" : "two counters";
        QTest::newRow(kind + ", 5 s, Pause") << counters << 5.0f << false << 5.0;
        QTest::newRow(kind + ", 20 s, Pause") << counters << 20.0f << false << 2.0;
        QTest::newRow(kind + ", 3600 s, Pause") << counters << 3600.0f << false << 2.0;
        QTest::newRow(kind + ", 20 s, Exit") << counters << 20.0f << true << 2.0;
    }
}

void RunLoopTest::longWaitsStopAtOnce()
{
    QFETCH(int, counters);
    QFETCH(float, speed);
    QFETCH(bool, quit);
    QFETCH(double, actsAfter);
    CountingRig rig;
    rig.session.counterCount = std::int16_t(counters);
    rig.session.speed = speed;
    const auto press = [&] {
        if (rig.view.shown.size() != 2 || rig.clock.now() < rig.view.shown[1].at + 2 || rig.session.stopRequested)
            return;
        if (quit)
            rig.loop.quit();
        else
            rig.loop.requestPause();
    };
    rig.view.onEvents = press;
    rig.view.onHeldInput = press;
    rig.loop.startRun();

    const double acted = (quit ? rig.clock.now() : rig.view.pausedAt.value(0)) - rig.view.shown[1].at;
    QVERIFY2(acted >= actsAfter && acted < actsAfter + 1, qPrintable(QString::number(acted)));
    QCOMPARE(rig.view.counter1Texts(), QStringList({"0", "1"}));
    QCOMPARE(rig.session.countIndex, 1);
    QCOMPARE(rig.view.pauses.size(), quit ? 0 : 1);
    QCOMPARE(rig.view.pausesTaken, quit ? 0 : 1);
}

void RunLoopTest::countsBackInTenthsExactly()
{
    CountingRig rig;
    rig.session.counter1 = {2, -0.1, 0};
    rig.session.speed = 0.4f;
    rig.pauseAt("-0.1");
    rig.loop.startRun();
    QStringList tenths;
    for (int k = 20; k >= -1; --k)
        tenths << QString::number(k / 10.0);
    QCOMPARE(rig.view.counter1Texts(), tenths);
    QCOMPARE((*rig.session.history1)[20], 0.0);
}

// Whatever decimals the teacher types, count k shows first + k·step +
// k(k−1)/2·change, worked out exactly and written to 15 significant digits.
void RunLoopTest::showsTheExactSumOfTypedDecimals()
{
    QRandomGenerator random(19);
    const auto typed = [&random] {
        const int decimals = int(random.bounded(7));
        Millionths millionths = random.bounded(-999'999'999, 1'000'000'000);
        for (int d = decimals; d < 6; ++d)
            millionths *= 10;
        const QString text = QStringLiteral("%1E-%2").arg(qint64(millionths)).arg(6);
        return std::pair{millionths, readNumber(text).value};
    };
    CountingRig rig;
    for (int run = 0; run < 120; ++run) {
        rig.session.counterCount = std::int16_t(1 + run % 2);
        Millionths settings[2][3];
        for (CounterSettings *counter : {&rig.session.counter1, &rig.session.counter2}) {
            Millionths *exact = settings[counter == &rig.session.counter2];
            std::tie(exact[0], counter->firstNumber) = typed();
            std::tie(exact[1], counter->firstStep) = typed();
            std::tie(exact[2], counter->stepChange) = typed();
        }
        rig.run(maximumCountIndex);
        for (int c = 0; c < rig.session.counterCount; ++c) {
            const CountHistory &history = *(c == 0 ? rig.session.history1 : rig.session.history2);
            const Millionths *exact = settings[c];
            for (Millionths k = 0; k <= maximumCountIndex; ++k) {
                const Decimal expected = writtenAs(exact[0] + k * exact[1] + k * (k - 1) / 2 * exact[2]);
                if (history.shown(std::size_t(k)) != expected)
                    QFAIL(qPrintable(QStringLiteral("run %1, counter %2, count %3: %4, not %5")
                                         .arg(run).arg(c + 1).arg(qint64(k))
                                         .arg(history.shown(std::size_t(k)).text(QChar('.')), expected.text(QChar('.')))));
            }
        }
        QCOMPARE(rig.view.shown.last().counter1, rig.session.history1->shown(maximumCountIndex).text(decimalSeparator()));
    }
}

void RunLoopTest::closedDialogEndsRun()
{
    CountingRig rig;
    rig.pauseAt("2");
    rig.view.choose(PauseChoice::None);
    rig.loop.startRun();
    QCOMPARE(rig.view.runningCalls, QList<bool>({true, false}));
    QCOMPARE(rig.view.pauses.size(), 1);
}

void RunLoopTest::runButtonsDisabledForTheRun()
{
    CountingRig rig;
    QList<bool> duringRun;
    rig.view.onShown = [&] {
        duringRun = rig.view.runningCalls;
        rig.loop.requestPause();
    };
    rig.loop.startRun();
    QCOMPARE(duringRun, QList<bool>{true});
    QCOMPARE(rig.view.runningCalls, QList<bool>({true, false}));
}

// Nobody presses Pause: the routine does, after the wait of the count it
// pauses at, and the teacher continues until the last pause.
void RunLoopTest::plannedPausesComeAtTheirCount_data()
{
    QTest::addColumn<CounterSettings>("counter1");
    QTest::addColumn<int>("counters");
    QTest::addColumn<Routine>("routine");
    QTest::addColumn<bool>("faster");
    QTest::addColumn<QStringList>("pausedAt");  // counter 1 as each pause dialog comes up
    const CounterSettings ones{0, 1, 0};
    QTest::newRow("every 3") << ones << 1 << Routine{3, std::nullopt, 0, false} << false << QStringList{"3", "6", "9"};
    QTest::newRow("every count") << ones << 1 << Routine{1, std::nullopt, 0, false} << false << QStringList{"1", "2"};
    QTest::newRow("every 1000") << ones << 1 << Routine{1000, std::nullopt, 0, false} << false << QStringList{"1000"};
    QTest::newRow("every 4, Faster each count") << ones << 1 << Routine{4, std::nullopt, 0, false} << true << QStringList{"4", "8"};
    QTest::newRow("every 2, two counters") << ones << 2 << Routine{2, std::nullopt, 0, false} << false << QStringList{"2", "4"};
    QTest::newRow("counter 1 at 70 in 7s") << CounterSettings{0, 7, 0} << 1 << Routine{0, PlannedValue{1, 70}, 0, false} << false
                                           << QStringList{"70"};
    QTest::newRow("counter 1 back in tenths at -0.1") << CounterSettings{2, -0.1, 0} << 1
                                                       << Routine{0, PlannedValue{1, -0.1}, 0, false} << true << QStringList{"-0.1"};
    QTest::newRow("counter 1 at its first number") << ones << 2 << Routine{0, PlannedValue{1, 0}, 0, false} << false
                                                   << QStringList{};
    // Counter 2 goes 10, 9, 8.5, 8.5, 9: it reaches 8.5 twice.
    QTest::newRow("counter 2 at 8.5") << CounterSettings{3, 4, 0} << 2 << Routine{0, PlannedValue{2, 8.5}, 0, false} << false
                                      << QStringList{"11", "15"};
    QTest::newRow("counter 2 with one counter") << ones << 1 << Routine{0, PlannedValue{2, 3}, 0, false} << false << QStringList{};
    QTest::newRow("every 5 or counter 1 at 7") << ones << 1 << Routine{5, PlannedValue{1, 7}, 0, false} << false
                                               << QStringList{"5", "7", "10"};
}

void RunLoopTest::plannedPausesComeAtTheirCount()
{
    QFETCH(CounterSettings, counter1);
    QFETCH(int, counters);
    QFETCH(Routine, routine);
    QFETCH(bool, faster);
    QFETCH(QStringList, pausedAt);
    CountingRig rig;
    rig.session.counter1 = counter1;
    rig.session.counter2 = {10, -1, 0.5};
    rig.session.counterCount = std::int16_t(counters);
    rig.session.routine = routine;
    for (int k = 1; k < pausedAt.size(); ++k)
        rig.view.choose(PauseChoice::Continue);
    rig.view.onShown = [&] {
        if (faster)
            rig.loop.faster();
        // Where no pause is planned, the teacher stops the run after a while.
        if (pausedAt.isEmpty() && rig.session.countIndex == 30)
            rig.loop.requestPause();
    };
    rig.loop.startRun();

    QStringList paused;
    for (const PauseShown &pause : rig.view.pauses)
        paused << pause.counter1;
    QCOMPARE(paused, pausedAt.isEmpty() ? QStringList{"30"} : pausedAt);
    QCOMPARE(rig.view.pauses[0].counters, counters);
    if (!faster)  // the count's whole wait comes first
        QVERIFY(qAbs(rig.view.pausedAt[0] - rig.view.shown[rig.view.counter1Texts().indexOf(paused[0])].at - 1) < 1e-6);
}

// Every count is still recorded, so the list, the graph and the prediction
// hold the hushed numbers.
void RunLoopTest::hushedNumbersShowAQuestionMark_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("hushEvery");
    QTest::addColumn<QStringList>("shown1");
    QTest::addColumn<QStringList>("shown2");
    QTest::newRow("every 2nd") << 1 << 2 << QStringList{"0", "1", "?", "3", "?", "5"} << QStringList{};
    QTest::newRow("every count but the first") << 1 << 1 << QStringList{"0", "?", "?", "?", "?", "?"} << QStringList{};
    QTest::newRow("every 3rd, two counters") << 2 << 3 << QStringList{"0", "1", "2", "?", "4", "5"}
                                             << QStringList{"10", "9", "8.5", "?", "9", "10"};
}

void RunLoopTest::hushedNumbersShowAQuestionMark()
{
    QFETCH(int, counters);
    QFETCH(int, hushEvery);
    QFETCH(QStringList, shown1);
    QFETCH(QStringList, shown2);
    CountingRig rig;
    rig.session.counter1 = {0, 1, 0};
    rig.session.counter2 = {10, -1, 0.5};
    rig.session.counterCount = std::int16_t(counters);
    rig.session.routine.hushEvery = hushEvery;
    rig.run(5);
    QCOMPARE(rig.view.counter1Texts(), shown1);
    for (int k = 0; k < shown2.size(); ++k)
        QCOMPARE(rig.view.shown[k].counter2.value(), shown2[k]);
    for (int k = 0; k <= 5; ++k)
        QCOMPARE((*rig.session.history1)[k], double(k));
    rig.view.choose(PauseChoice::Predict);
    const QStringList answers = counters == 1 ? QStringList{"6"} : QStringList{"6", "11.5"};
    for (const QString &answer : answers)
        rig.dialogs.textAnswers.enqueue(answer);
    rig.run(5);
    QCOMPARE(rig.dialogs.messages, QList<Message>(answers.size(), Messages::wellDone()));
}

// A number is said only once the one before is over; a hushed one never.
void RunLoopTest::countingAloudNeverCutsANumberOff_data()
{
    QTest::addColumn<CounterSettings>("counter1");
    QTest::addColumn<int>("counters");
    QTest::addColumn<float>("speed");
    QTest::addColumn<double>("secondsPerNumber");
    QTest::addColumn<Routine>("routine");
    QTest::addColumn<bool>("voice");
    QTest::addColumn<QStringList>("said");
    const CounterSettings ones{0, 1, 0};
    const Routine aloud{0, std::nullopt, 0, true};
    QTest::newRow("time for every number") << ones << 1 << 1.0f << 0.9 << aloud << true
                                           << QStringList{"0", "1", "2", "3", "4"};
    QTest::newRow("time for every third") << ones << 1 << 0.25f << 0.6 << aloud << true << QStringList{"0", "3"};
    QTest::newRow("back in tenths") << CounterSettings{0.1, -0.1, 0} << 1 << 1.0f << 0.5 << aloud << true
                                    << QStringList{"0 point 1", "0", "minus 0 point 1", "minus 0 point 2", "minus 0 point 3"};
    QTest::newRow("hushed every 2nd") << ones << 1 << 1.0f << 0.5 << Routine{0, std::nullopt, 2, true} << true
                                      << QStringList{"0", "1", "3"};
    QTest::newRow("two counters") << ones << 2 << 2.0f << 1.5 << aloud << true
                                  << QStringList{"0, 10", "1, 9", "2, 8 point 5", "3, 8 point 5", "4, 9"};
    QTest::newRow("no voice") << ones << 1 << 1.0f << 0.5 << aloud << false << QStringList{};
    QTest::newRow("not asked for") << ones << 1 << 1.0f << 0.5 << Routine{} << true << QStringList{};
    QTest::newRow("huge") << CounterSettings{1e20, 1e20, 0} << 1 << 1.0f << 0.5 << aloud << true
                          << QStringList{"1 times ten to the power 20", "2 times ten to the power 20",
                                         "3 times ten to the power 20", "4 times ten to the power 20",
                                         "5 times ten to the power 20"};
}

void RunLoopTest::countingAloudNeverCutsANumberOff()
{
    QFETCH(CounterSettings, counter1);
    QFETCH(int, counters);
    QFETCH(float, speed);
    QFETCH(double, secondsPerNumber);
    QFETCH(Routine, routine);
    QFETCH(bool, voice);
    QFETCH(QStringList, said);
    CountingRig rig;
    RecordingSpeaker speaker(rig.clock);
    speaker.voice = voice;
    speaker.secondsPerNumber = secondsPerNumber;
    CountAloud aloud(rig.session, rig.view.model);
    aloud.setSpeaker(&speaker);
    rig.session.counter1 = counter1;
    rig.session.counter2 = {10, -1, 0.5};
    rig.session.counterCount = std::int16_t(counters);
    rig.session.speed = speed;
    rig.session.routine = routine;
    rig.run(4);
    QCOMPARE(speaker.said, said);
    for (int k = 1; k < speaker.saidAt.size(); ++k)
        QVERIFY(speaker.saidAt[k] >= speaker.saidAt[k - 1] + secondsPerNumber);
}

QTEST_APPLESS_MAIN(RunLoopTest)
#include "tst_runloop.moc"
