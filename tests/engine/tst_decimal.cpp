#include "engine/Decimal.h"

#include <QTest>

#include <limits>

// Steps between written numbers are exact decimals, written as any number is.
class DecimalTest : public QObject {
    Q_OBJECT
private slots:
    void shownDifference_data();
    void shownDifference();
    void arithmeticBeyondEighteenDigitsGivesNothing();
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

QTEST_APPLESS_MAIN(DecimalTest)
#include "tst_decimal.moc"
