#include "engine/NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void writesDoubles_data();
    void writesDoubles();
    void writesSingles_data();
    void writesSingles();
    void reads_data();
    void reads();
    void refusesOutOfRange_data();
    void refusesOutOfRange();
    void commaRegionWritesAndReadsComma_data();
    void commaRegionWritesAndReadsComma();
    void roundTripsDisplayedValues();
    void survivesArbitraryText();
};

void NumberTextTest::writesDoubles_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 12.0 << "12";
    QTest::newRow("negative integer") << -3.0 << "-3";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative quarter") << -0.25 << "-0.25";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("1E+20") << 1e20 << "1E+20";
    QTest::newRow("large fraction") << 2.5e21 << "2.5E+21";
    QTest::newRow("ten thousandth") << 0.0001 << "0.0001";
    QTest::newRow("small") << 0.00001 << "1E-05";
    QTest::newRow("tiny negative") << -1.5e-300 << "-1.5E-300";
    QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
    // Rounded up, the largest numbers would read back as infinity.
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("largest negative") << std::numeric_limits<double>::lowest() << "-1.79769313486231E+308";
    QTest::newRow("just below largest") << std::nextafter(std::numeric_limits<double>::max(), 0.0)
                                        << "1.79769313486231E+308";
    QTest::newRow("near the top still rounds up") << 1.7976931348623061E308 << "1.79769313486231E+308";
}

void NumberTextTest::writesDoubles()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberToText(value), text);
}

void NumberTextTest::writesSingles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.3 as typed") << 0.3f << "0.3";
    QTest::newRow("one") << 1.0f << "1";
    QTest::newRow("faster from 0.1") << 0.1f - 0.25f << "-0.15";
    QTest::newRow("twice faster") << 0.1f - 0.25f - 0.25f << "-0.4";
    QTest::newRow("slower from 5.1") << 5.1f + 0.25f << "5.35";
    QTest::newRow("seven digits") << 1234567.0f << "1234567";
    QTest::newRow("eight digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("largest") << std::numeric_limits<float>::max() << "3.402823E+38";
}

void NumberTextTest::writesSingles()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(numberToText(value), text);
}

void NumberTextTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("tenth") << "0.1" << 0.1;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("blank inside") << "1 1" << 11.0;
    QTest::newRow("apples") << "11 apples" << 11.0;
    QTest::newRow("word") << "eleven" << 0.0;
    QTest::newRow("single blank") << " " << 0.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2" << 12.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&h1f" << 31.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("exponent") << "1E+20" << 1e20;
    QTest::newRow("D exponent") << "2.5D3" << 2500.0;
    QTest::newRow("exponent without digits") << "3E" << 3.0;
    QTest::newRow("negative fraction") << "-0.25" << -0.25;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("sign then blank") << "- 5" << -5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("comma ends in point region") << "0,5" << 0.0;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("tiny underflows to zero") << "1E-400" << 0.0;
    QTest::newRow("beyond fifteen digits, rounded") << "0.123456789012345678" << 0.123456789012346;
    QTest::newRow("a tie at the sixteenth digit, to even") << "1.000000000000005" << 1.0;
    QTest::newRow("a tie at the sixteenth digit, up to even") << "1.000000000000015" << 1.00000000000002;
    QTest::newRow("leading zeros after the point") << "-0.000000000000000000001234" << -1.234e-21;
    QTest::newRow("largest double kept whole") << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("hex to 64 bits, rounded") << "&HFFFFFFFFFFFFFFFF" << 1.84467440737096e19;
    QTest::newRow("hex beyond 64 bits") << "&H10000000000000000" << 1.84467440737096e19;
    QTest::newRow("exponent beyond any double") << "0.0000E99999999999999999999" << 0.0;
}

void NumberTextTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const ReadNumber read = readNumber(text);
    QCOMPARE(read.value.toDouble(), value);
    QVERIFY(read.inRange);
}

void NumberTextTest::refusesOutOfRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1E400") << "1E400";
    QTest::newRow("-1E400") << "-1E400";
    QTest::newRow("many digits") << QString(400, QChar('9'));
}

void NumberTextTest::refusesOutOfRange()
{
    QFETCH(QString, text);
    QVERIFY(!readNumber(text).inRange);
}

void NumberTextTest::commaRegionWritesAndReadsComma_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "0,5" << 0.5;
    QTest::newRow("point still read") << "0.5" << 0.5;
    QTest::newRow("one separator only") << "1,5,5" << 1.5;
    QTest::newRow("mixed separators") << "1,5.5" << 1.5;
}

void NumberTextTest::commaRegionWritesAndReadsComma()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(textToNumber(text), value);
    QCOMPARE(numberToText(0.5), QStringLiteral("0,5"));
    QCOMPARE(numberToText(0.5f), QStringLiteral("0,5"));
    QCOMPARE(textToNumber(numberToText(0.5f)), 0.5);
}

void NumberTextTest::roundTripsDisplayedValues()
{
    for (const double value : {0.1, 0.3, 1e20, -2.75, 123456.789, 1e-7, std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::lowest()}) {
        const QString text = numberToText(value);
        QCOMPARE(numberToText(textToNumber(text)), text);
    }
}

void NumberTextTest::survivesArbitraryText()
{
    // Any text whatever reads as some number without crashing.
    const QString alphabet = QStringLiteral("0123456789.,+-eEdDhHoO& \t\nxyz\u00e9");
    quint32 seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = int(seed % 24);
        for (int k = 0; k < length; ++k) {
            seed = seed * 1664525u + 1013904223u;
            text += alphabet.at(int((seed >> 8) % quint32(alphabet.size())));
        }
        seed = seed * 1664525u + 1013904223u;
        const ReadNumber read = readNumber(text);
        QVERIFY2(!std::isnan(read.value.toDouble()), qPrintable(text));
        QVERIFY2(read.inRange == std::isfinite(textToNumber(text)), qPrintable(text));
    }
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
