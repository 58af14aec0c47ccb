#include "engine/Decimal.h"
#include "engine/ExactDecimal.h"

#include <QTest>

#include <limits>

// Steps between written numbers are exact decimals, written as any number is.
class DecimalTest : public QObject {
    Q_OBJECT
private slots:
    void shownDifference_data();
    void shownDifference();
    void arithmeticBeyondEighteenDigitsGivesNothing();
    void shortestReadsBackAndRoundsAsShown_data();
    void shortestReadsBackAndRoundsAsShown();
    void exactDecimalKeepsItsValueThroughCopiesAndMoves();
};

void DecimalTest::shownDifference_data()
{
    QTest::addColumn<double>("later");
    QTest::addColumn<double>("earlier");
    QTest::addColumn<QString>("step");
    QTest::newRow("tenths") << 0.3 << 0.2 << "0.1";
    QTest::newRow("tenths summed by the counter") << 0.1 + 0.2 << 0.1 + 0.1 << "0.1";
    QTest::newRow("a tenth past a million") << 1000000.1 << 1000000.0 << "0.1";
    QTest::newRow("a tenth at fifteen digits") << 12345678901234.5 << 12345678901234.4 << "0.1";
    QTest::newRow("shrinking through zero") << -5.0 << 3.0 << "-8";
    QTest::newRow("no change") << 7.25 << 7.25 << "0";
    QTest::newRow("half beyond fifteen digits is rounded away") << 1e20 << 0.5 << "1E+20";
    QTest::newRow("sixteen digits are rounded") << 1e15 << -0.5 << "1E+15";
    QTest::newRow("tiny from huge") << 1e300 << 1e-300 << "1E+300";
    QTest::newRow("beyond the largest double, still exact")
        << std::numeric_limits<double>::max() << -std::numeric_limits<double>::max() << "3.59538626972462E+308";
}

void DecimalTest::shownDifference()
{
    QFETCH(double, later);
    QFETCH(double, earlier);
    QFETCH(QString, step);
    QCOMPARE(::shownDifference(Decimal::shown(later), Decimal::shown(earlier)).text(QChar('.')), step);
}

void DecimalTest::arithmeticBeyondEighteenDigitsGivesNothing()
{
    const Decimal largest(999'999'999'999'999'999, 0);
    QVERIFY(!largest.plus(Decimal(1, 0)));
    QVERIFY(!Decimal(1, 18).minus(Decimal(1, -1)));
    QVERIFY(!largest.times(-2));
    QVERIFY(!largest.half());
    QVERIFY(Decimal(3, 0).half() == Decimal(15, -1));
    QVERIFY(Decimal(1, 17).minus(Decimal(1, -1)) == Decimal(999'999'999'999'999'999, -1));
}

// A lesson's numbers are kept as the shortest decimal of the file's number:
// written back, the same number; rounded, what the counter shows.
void DecimalTest::shortestReadsBackAndRoundsAsShown_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("digits");
    QTest::addColumn<int>("exponent");
    QTest::newRow("tenth") << 0.1 << qint64(1) << -1;
    QTest::newRow("zero") << 0.0 << qint64(0) << 0;
    QTest::newRow("negative zero") << -0.0 << qint64(0) << 0;
    QTest::newRow("third, sixteen digits") << 1.0 / 3 << qint64(3333333333333333) << -16;
    QTest::newRow("negative, small") << -2.5e-7 << qint64(-25) << -8;
    QTest::newRow("largest") << std::numeric_limits<double>::max() << qint64(17976931348623157) << 292;
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min() << qint64(22250738585072014) << -324;
    QTest::newRow("smallest subnormal, as shown") << std::numeric_limits<double>::denorm_min()
                                                  << qint64(494065645841247) << -338;
}

void DecimalTest::shortestReadsBackAndRoundsAsShown()
{
    QFETCH(double, value);
    QFETCH(qint64, digits);
    QFETCH(int, exponent);
    const Decimal shortest = Decimal::shortest(value);
    QVERIFY(shortest == Decimal(digits, exponent));
    QCOMPARE(shortest.toDouble(), value);
    QVERIFY(shortest.rounded() == Decimal::shown(value));
}

void DecimalTest::exactDecimalKeepsItsValueThroughCopiesAndMoves()
{
    ExactDecimal big(Decimal(999'999'999'999'999'999, 0));
    big += ExactDecimal(Decimal(1, -20));  // 38 digits: beyond any machine word
    const ExactDecimal copy = big;
    ExactDecimal moved = std::move(big);
    big = copy;  // a number moved from takes a value again
    QVERIFY(moved.shown() == Decimal(1, 18));
    QCOMPARE(copy.toDouble(), 1e18);
    ExactDecimal doubled;
    doubled = moved;
    doubled += doubled;
    QVERIFY(doubled.shown() == Decimal(2, 18));
    QVERIFY(big.shown() == copy.shown() && big.exponent() == -20);
}

QTEST_APPLESS_MAIN(DecimalTest)
#include "tst_decimal.moc"
