#include "engine/NumberText.h"
#include "engine/SequenceRule.h"
#include "tests/support/CountingRig.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Wholes, halves and quarters: numbers the counter adds up without any
// rounding, so every number it shows is exact.
double quarters(QRandomGenerator &random, int largest)
{
    return random.bounded(-4 * largest, 4 * largest + 1) / 4.0;
}

} // namespace

class SequenceRuleTest : public QObject {
    Q_OBJECT
private slots:
    void nthNumber_data();
    void nthNumber();
    void inWords_data();
    void inWords();
    void givesTheShownNumbers_data();
    void givesTheShownNumbers();
    void givesEveryNumberOfRandomRuns();
};

void SequenceRuleTest::nthNumber_data()
{
    QTest::addColumn<CounterSettings>("settings");
    QTest::addColumn<QString>("rule");
    QTest::newRow("0, 1, 0") << CounterSettings{0, 1, 0} << "n − 1";
    QTest::newRow("1, 2, 0") << CounterSettings{1, 2, 0} << "2n − 1";
    QTest::newRow("30, −3, 0") << CounterSettings{30, -3, 0} << "33 − 3n";
    QTest::newRow("1, 1, 1") << CounterSettings{1, 1, 1} << "½n² − ½n + 1";
    QTest::newRow("1, 3, 2") << CounterSettings{1, 3, 2} << "n²";
    QTest::newRow("1, 2, 1") << CounterSettings{1, 2, 1} << "½n² + ½n";
    QTest::newRow("0.1, 0.1, 0") << CounterSettings{0.1, 0.1, 0} << "0.1n";
    QTest::newRow("back from 2 in tenths") << CounterSettings{2, -0.1, 0} << "2.1 − 0.1n";
    QTest::newRow("all zero") << CounterSettings{0, 0, 0} << "0";
    QTest::newRow("never moves") << CounterSettings{5, 0, 0} << "5";
    QTest::newRow("all negative") << CounterSettings{-1, -1, 0} << "−n";
    QTest::newRow("a shrinking step") << CounterSettings{0, 5, -2} << "−n² + 8n − 7";
    QTest::newRow("a shrinking step from a positive start") << CounterSettings{10, 1, -2} << "7 + 4n − n²";
    QTest::newRow("halves with whole parts") << CounterSettings{2, 3.5, 3} << "1½n² − n + 1½";
    QTest::newRow("tenths of a step change") << CounterSettings{0, 0.25, 0.1} << "0.05n² + 0.1n − 0.15";
    QTest::newRow("beyond fifteen digits, rounded") << CounterSettings{1e20, 1, 0} << "n + 1E+20";
}

void SequenceRuleTest::nthNumber()
{
    QFETCH(CounterSettings, settings);
    QFETCH(QString, rule);
    QCOMPARE(NthNumberRule(settings).text(), rule);
}

void SequenceRuleTest::inWords_data()
{
    QTest::addColumn<CounterSettings>("settings");
    QTest::addColumn<QString>("words");
    QTest::newRow("growing step")
        << CounterSettings{1, 1, 1} << "Start at 1. The first step is 1, and the step grows by 1 after every count.";
    QTest::newRow("constant step") << CounterSettings{3, 4, 0} << "Start at 3. Add 4 every time.";
    QTest::newRow("taking away") << CounterSettings{30, -3, 0} << "Start at 30. Take away 3 every time.";
    QTest::newRow("shrinking step")
        << CounterSettings{10, 5, -0.5} << "Start at 10. The first step is 5, and the step shrinks by 0.5 after every count.";
    QTest::newRow("a negative first step that grows")
        << CounterSettings{-2.5, -4, 2} << "Start at -2.5. The first step is -4, and the step grows by 2 after every count.";
}

void SequenceRuleTest::inWords()
{
    QFETCH(CounterSettings, settings);
    QFETCH(QString, words);
    QCOMPARE(stepRuleInWords(settings), words);
}

void SequenceRuleTest::givesTheShownNumbers_data()
{
    QTest::addColumn<CounterSettings>("settings");
    QTest::addColumn<int>("counts");
    QTest::addColumn<bool>("gives");
    QTest::newRow("tenths for a while") << CounterSettings{0.1, 0.1, 0} << 50 << true;
    QTest::newRow("a step change of a third") << CounterSettings{0, 0, 1.0 / 3} << 50 << false;
    // Added up in binary fractions, the 16th number would be 43.9099999999997.
    QTest::newRow("hundredths with a shrinking step") << CounterSettings{610.76, 31.93, -9.96} << 300 << true;
    QTest::newRow("back from 2 in tenths, through zero") << CounterSettings{2, -0.1, 0} << 100 << true;
    QTest::newRow("the first number beyond fifteen digits") << CounterSettings{1e20, 1, 0} << 3 << false;
    QTest::newRow("numbers growing beyond fifteen digits") << CounterSettings{1, 1e13, 1e13} << 50 << false;
}

void SequenceRuleTest::givesTheShownNumbers()
{
    QFETCH(CounterSettings, settings);
    QFETCH(int, counts);
    QFETCH(bool, gives);
    CountingRig rig;
    rig.session.counter1 = settings;
    rig.run(counts);
    QCOMPARE(NthNumberRule(settings).gives(*rig.session.history1, rig.session.countIndex), gives);
}

// The rule's value for n, as written, is the nth number the counter showed.
void SequenceRuleTest::givesEveryNumberOfRandomRuns()
{
    QRandomGenerator random(14);
    CountingRig rig;
    for (int run = 0; run < 200; ++run) {
        const CounterSettings settings{quarters(random, 100000), quarters(random, 10000), quarters(random, 1000)};
        rig.session.counter1 = settings;
        rig.run(49);
        const NthNumberRule rule(settings);
        QStringList values;
        for (int n = 1; n <= 50; ++n)
            values << (rule.valueAt(n) ? rule.valueAt(n)->text(decimalSeparator()) : QStringLiteral("none"));
        QCOMPARE(values, rig.view.counter1Texts());
        QVERIFY(rule.gives(*rig.session.history1, rig.session.countIndex));
    }
}

QTEST_APPLESS_MAIN(SequenceRuleTest)
#include "tst_sequencerule.moc"
