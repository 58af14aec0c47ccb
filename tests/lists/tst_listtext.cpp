#include "engine/NumberText.h"
#include "output/lists/ListText.h"
#include "tests/support/ListLines.h"

#include <QTest>

#include <initializer_list>

namespace {

// A run that has shown the given values; entries after them are left over
// from a longer earlier run and must not appear.
void setRun(CountingSession &session, const QList<double> &counter1, const QList<double> &counter2 = {})
{
    for (std::size_t k = 0; k <= std::size_t(maximumCountIndex); ++k) {
        session.history1->record(k, 99.0);
        session.history2->record(k, 99.0);
    }
    for (qsizetype k = 0; k < counter1.size(); ++k)
        session.history1->record(std::size_t(k), counter1[k]);
    for (qsizetype k = 0; k < counter2.size(); ++k)
        session.history2->record(std::size_t(k), counter2[k]);
    session.countIndex = std::int16_t(counter1.size() - 1);
}

QList<double> upTo(qsizetype count)
{
    QList<double> values;
    for (qsizetype k = 0; k < count; ++k)
        values.append(double(k + 1));
    return values;
}

} // namespace

class ListTextTest : public QObject {
    Q_OBJECT
private slots:
    void displayWidth_data();
    void displayWidth();
    void oneCounter_data();
    void oneCounter();
    void twoCounterGaps_data();
    void twoCounterGaps();
    void savedBytes_data();
    void savedBytes();
};

void ListTextTest::displayWidth_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("width");
    QTest::newRow("0") << 0.0 << 2.0;
    QTest::newRow("7") << 7.0 << 2.0;
    QTest::newRow("12") << 12.0 << 3.0;
    QTest::newRow("0.5") << 0.5 << 3.5;
    QTest::newRow("2.5") << 2.5 << 3.5;
    QTest::newRow("12.5") << 12.5 << 4.5;
    QTest::newRow("-3") << -3.0 << 2.5;
    QTest::newRow("-1.5") << -1.5 << 4.0;
    QTest::newRow("-0.5") << -0.5 << 4.0;
    QTest::newRow("-0.25 loses its leading 0") << -0.25 << 5.0;
    QTest::newRow("1E+20 is whole") << 1e20 << 6.0;
    QTest::newRow("1E-05 keeps its digit before the exponent") << 1e-5 << 6.5;
}

void ListTextTest::displayWidth()
{
    QFETCH(double, value);
    QFETCH(double, width);
    QCOMPARE(::displayWidth(value), width);
}

void ListTextTest::oneCounter_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("first pause after the first count") << QList<double>{5, 6} << "5    \r\n6    \r\n";
    QTest::newRow("0, 1, 2") << QList<double>{0, 1, 2} << "0    \r\n1    \r\n2    \r\n";
    QTest::newRow("fractions and negatives")
        << QList<double>{-0.5, 0.25, 1e20} << "-0.5    \r\n0.25    \r\n1E+20    \r\n";
}

void ListTextTest::oneCounter()
{
    QFETCH(QList<double>, values);
    QFETCH(QString, text);
    CountingSession session;
    setRun(session, values);
    QCOMPARE(listText(session, ListKind::OneCounter), text);
}

void ListTextTest::twoCounterGaps_data()
{
    QTest::addColumn<QList<double>>("counter2");
    QTest::addColumn<QList<int>>("gaps");
    QTest::newRow("counter 2 never changes") << QList<double>{0, 0, 0, 0} << QList<int>{16, 16, 16, 16};
    QTest::newRow("9 to 10 takes 2 blanks") << QList<double>{8, 9, 10, 11} << QList<int>{16, 16, 14, 14};
    QTest::newRow("back to 9 gives them back") << QList<double>{8, 9, 10, 11, 9} << QList<int>{16, 16, 14, 14, 16};
    QTest::newRow("10 to 9 adds 2 blanks") << QList<double>{10, 9} << QList<int>{16, 18};
    QTest::newRow("0.5 to 1 adds 3 blanks") << QList<double>{0.5, 1} << QList<int>{16, 19};
    QTest::newRow("-3 to -1.5 takes 3 blanks") << QList<double>{-3, -1.5} << QList<int>{16, 13};
    QTest::newRow("seven digits more leaves 2 blanks") << QList<double>{1, 12345678} << QList<int>{16, 2};
    QTest::newRow("eight digits more still leaves 2 blanks") << QList<double>{1, 123456789} << QList<int>{16, 2};
    QTest::newRow("nine digits more still leaves 2 blanks, and shrinking back restores the gap")
        << QList<double>{1, 1234567890, 5} << QList<int>{16, 2, 16};
}

void ListTextTest::twoCounterGaps()
{
    QFETCH(QList<double>, counter2);
    QFETCH(QList<int>, gaps);
    CountingSession session;
    const QList<double> counter1 = upTo(counter2.size());
    setRun(session, counter1, counter2);
    QString expected;
    for (qsizetype k = 0; k < counter2.size(); ++k)
        expected += numberToText(counter1[k]) + QString(gaps[k], QChar(' ')) + numberToText(counter2[k]) + "   \r\n";
    QCOMPARE(listText(session, ListKind::TwoCounters), expected);
}

void ListTextTest::savedBytes_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QList<double>>("counter1");
    QTest::addColumn<QList<double>>("counter2");
    QTest::addColumn<QByteArray>("bytes");
    const ListKind one = ListKind::OneCounter;
    const ListKind two = ListKind::TwoCounters;
    QTest::newRow("one counter, 3 5 7")
        << one << Steps::Hidden << QList<double>{3, 5, 7} << QList<double>{} << QByteArray("\t3\r\n\t5\r\n\t7\r\n");
    QTest::newRow("one counter ignores counter 2")
        << one << Steps::Hidden << QList<double>{1} << QList<double>{8} << QByteArray("\t1\r\n");
    QTest::newRow("two counters")
        << two << Steps::Hidden << QList<double>{1.5, 2} << QList<double>{-2, 1e-5}
        << QByteArray("\t1.5\t-2\r\n\t2\t1E-05\r\n");
    QTest::newRow("steps of 1, 2, 3, 4 changing by 1")
        << one << Steps::Shown << QList<double>{1, 2, 4, 7, 11} << QList<double>{}
        << QByteArray("\tn\tNumber\tStep\tStep change\r\n\t1\t1\t\t\r\n\t2\t2\t1\t\r\n\t3\t4\t2\t1\r\n\t4\t7\t3\t1\r\n"
                      "\t5\t11\t4\t1\r\n");
    QTest::newRow("steps at the first pause after the first count")
        << one << Steps::Shown << QList<double>{5, 6} << QList<double>{} << QByteArray("\tn\tNumber\tStep\tStep change\r\n\t1\t5\t\t\r\n\t2\t6\t1\t\r\n");
    QTest::newRow("tenths as the counter sums them")
        << one << Steps::Shown << QList<double>{0.1, 0.1 + 0.1, 0.1 + 0.1 + 0.1} << QList<double>{}
        << QByteArray("\tn\tNumber\tStep\tStep change\r\n\t1\t0.1\t\t\r\n\t2\t0.2\t0.1\t\r\n\t3\t0.3\t0.1\t0\r\n");
    QTest::newRow("tenths shrinking past a million")
        << one << Steps::Shown << QList<double>{1000000.3, 1000000.2, 1000000} << QList<double>{}
        << QByteArray("\tn\tNumber\tStep\tStep change\r\n\t1\t1000000.3\t\t\r\n\t2\t1000000.2\t-0.1\t\r\n\t3\t1000000\t-0.2\t-0.1\r\n");
    QTest::newRow("two counters with steps")
        << two << Steps::Shown << QList<double>{1.5, 2, 3} << QList<double>{-2, 1e-5, 0}
        << QByteArray("\tn\tNumber\tStep\tStep change\tNumber\tStep\tStep change\r\n"
                      "\t1\t1.5\t\t\t-2\t\t\r\n"
                      "\t2\t2\t0.5\t\t1E-05\t2.00001\t\r\n"
                      "\t3\t3\t1\t0.5\t0\t-1E-05\t-2.00002\r\n");
}

void ListTextTest::savedBytes()
{
    QFETCH(ListKind, kind);
    QFETCH(Steps, steps);
    QFETCH(QList<double>, counter1);
    QFETCH(QList<double>, counter2);
    QFETCH(QByteArray, bytes);
    CountingSession session;
    setRun(session, counter1, counter2);
    QCOMPARE(listFileBytes(listTable(session, kind, steps)), bytes);
}

QTEST_GUILESS_MAIN(ListTextTest)
#include "tst_listtext.moc"
