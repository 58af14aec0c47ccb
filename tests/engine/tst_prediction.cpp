#include "engine/CountingSession.h"
#include "engine/NumberText.h"
#include "engine/Prediction.h"
#include "tests/support/ScriptedDialogs.h"

#include <QLocale>
#include <QTest>

#include <limits>

class PredictionTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void judgesOneCounter_data();
    void judgesOneCounter();
    void twoCounters_data();
    void twoCounters();
    void runOfTenthsAlwaysRight();
    void commaRegionAnswer();
    void neverChangesTheRun();
};

// Answers in order; the verdicts shown and the questions asked, as the class saw them.
void PredictionTest::judgesOneCounter_data()
{
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("step");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("verdicts");
    QTest::addColumn<int>("questions");
    QTest::newRow("right") << 7.0 << 4.0 << QStringList{"11"} << QStringList{"Well done!"} << 1;
    QTest::newRow("wrong, right") << 7.0 << 4.0 << QStringList{"12", "11"} << QStringList{"Try again.", "Well done!"} << 2;
    QTest::newRow("wrong, cancel") << 7.0 << 4.0 << QStringList{"12", ""} << QStringList{"Try again."} << 2;
    QTest::newRow("cancel at once") << 7.0 << 4.0 << QStringList{""} << QStringList{} << 1;
    QTest::newRow("apples") << 7.0 << 4.0 << QStringList{"11 apples"} << QStringList{"Well done!"} << 1;
    QTest::newRow("blank inside") << 7.0 << 4.0 << QStringList{"1 1"} << QStringList{"Well done!"} << 1;
    QTest::newRow("word is zero, wrong") << 7.0 << 4.0 << QStringList{"eleven", ""} << QStringList{"Try again."} << 2;
    QTest::newRow("word is zero, right") << -4.0 << 4.0 << QStringList{"eleven"} << QStringList{"Well done!"} << 1;
    QTest::newRow("single blank is judged") << -4.0 << 4.0 << QStringList{" "} << QStringList{"Well done!"} << 1;
    QTest::newRow("tenths shown as 0.3") << 0.1 << 0.2 << QStringList{"0.3"} << QStringList{"Well done!"} << 1;
    QTest::newRow("0.31 is wrong") << 0.1 << 0.2 << QStringList{"0.31", ""} << QStringList{"Try again."} << 2;
    QTest::newRow("back in tenths, 1 after 1.1") << 1.1 << -0.1 << QStringList{"1.0000000001", "1"}
                                                 << QStringList{"Try again.", "Well done!"} << 2;
    QTest::newRow("exact halves") << 0.5 << 0.25 << QStringList{"0.75"} << QStringList{"Well done!"} << 1;
    QTest::newRow("large integers exactly") << 123456789012.0 << 1.0 << QStringList{"123456789012", "123456789013"}
                                            << QStringList{"Try again.", "Well done!"} << 2;
    // 1234567890123456 is shown rounded to 15 digits; both forms are right.
    QTest::newRow("shown rounded, exact answer") << 1234567890123455.0 << 1.0 << QStringList{"1234567890123456"}
                                                 << QStringList{"Well done!"} << 1;
    QTest::newRow("shown rounded, shown answer") << 1234567890123455.0 << 1.0 << QStringList{"1.23456789012346E+15"}
                                                 << QStringList{"Well done!"} << 1;
    QTest::newRow("exact sum of tenths") << 0.1 << 0.2 << QStringList{"0.30000000000000004"} << QStringList{"Well done!"}
                                         << 1;
    QTest::newRow("largest number, shown answer") << std::numeric_limits<double>::max() << 0.0
                                                  << QStringList{"1.79769313486231E+308"} << QStringList{"Well done!"} << 1;
    QTest::newRow("largest number, typed in full") << std::numeric_limits<double>::max() << 0.0
                                                   << QStringList{"1.7976931348623157E308"} << QStringList{"Well done!"}
                                                   << 1;
    // Past the largest number the run ends instead of counting, so no answer is right.
    QTest::newRow("tiny answer reads as zero") << 0.0 << 0.0 << QStringList{"1E-400"} << QStringList{"Well done!"} << 1;
    QTest::newRow("hex answer") << 7.0 << 4.0 << QStringList{"&HB"} << QStringList{"Well done!"} << 1;
    QTest::newRow("next beyond range, zero") << 1e308 << 1e308 << QStringList{"0", ""} << QStringList{"Try again."} << 2;
    QTest::newRow("next beyond range, huge answer") << 1e308 << 1e308 << QStringList{"1E999", ""}
                                                    << QStringList{"Try again."} << 2;
}

void PredictionTest::judgesOneCounter()
{
    QFETCH(double, current);
    QFETCH(double, step);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, verdicts);
    QFETCH(int, questions);
    CountingSession session;
    session.currentValue1 = ExactDecimal::fromShown(current);
    session.currentStep1 = ExactDecimal::fromShown(step);
    ScriptedDialogs dialogs;
    for (const QString &a : answers)
        dialogs.textAnswers.enqueue(a);
    predictNext(session, dialogs);

    QStringList shown;
    for (const Message &m : dialogs.messages)
        shown << m.text;
    QCOMPARE(shown, verdicts);
    QCOMPARE(dialogs.questions.size(), questions);
    for (const Question &q : dialogs.questions)
        QCOMPARE(q, Messages::nextNumber());
    for (const Message &m : dialogs.messages)
        QCOMPARE(m, m.text == "Well done!" ? Messages::wellDone() : Messages::tryAgain());
}

void PredictionTest::twoCounters_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("asked");   // 1 or 2 per question
    QTest::addColumn<QStringList>("verdicts");
    QTest::newRow("both right") << QStringList{"11", "20"} << QStringList{"1", "2"} << QStringList{"Well done!", "Well done!"};
    QTest::newRow("cancel counter 1") << QStringList{""} << QStringList{"1"} << QStringList{};
    QTest::newRow("wrong counter 1 asks it again") << QStringList{"5", "11", "20"} << QStringList{"1", "1", "2"}
                                                   << QStringList{"Try again.", "Well done!", "Well done!"};
    QTest::newRow("wrong counter 2 asks only counter 2") << QStringList{"11", "5", "20"} << QStringList{"1", "2", "2"}
                                                         << QStringList{"Well done!", "Try again.", "Well done!"};
    QTest::newRow("cancel counter 2") << QStringList{"11", ""} << QStringList{"1", "2"} << QStringList{"Well done!"};
}

void PredictionTest::twoCounters()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, verdicts);
    CountingSession session;
    session.counterCount = 2;
    session.currentValue1 = ExactDecimal::fromShown(7);
    session.currentStep1 = ExactDecimal::fromShown(4);
    session.currentValue2 = ExactDecimal::fromShown(15);
    session.currentStep2 = ExactDecimal::fromShown(5);
    ScriptedDialogs dialogs;
    for (const QString &a : answers)
        dialogs.textAnswers.enqueue(a);
    predictNext(session, dialogs);

    QStringList askedCounters;
    for (const Question &q : dialogs.questions)
        askedCounters << (q == Messages::nextNumberCounter1() ? "1" : q == Messages::nextNumberCounter2() ? "2" : "?");
    QCOMPARE(askedCounters, asked);
    QStringList shown;
    for (const Message &m : dialogs.messages)
        shown << m.text;
    QCOMPARE(shown, verdicts);
}

void PredictionTest::runOfTenthsAlwaysRight()
{
    // Each next value of a 0.1 step run, answered as the class counts it.
    const ExactDecimal tenth = ExactDecimal::fromShown(0.1);
    ExactDecimal value;
    for (int k = 1; k <= 200; ++k) {
        value += tenth;
        QVERIFY2(isRightAnswer(QString::number(k / 10.0), value), qPrintable(QString::number(k)));
    }
}

void PredictionTest::commaRegionAnswer()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const ExactDecimal half = ExactDecimal::fromShown(0.5);
    QVERIFY(isRightAnswer("0,5", half));
    QVERIFY(isRightAnswer("0,3", ExactDecimal::fromShown(0.1) + ExactDecimal::fromShown(0.2)));
    QVERIFY(!isRightAnswer("0", half));
}

void PredictionTest::neverChangesTheRun()
{
    CountingSession session;
    session.currentValue1 = ExactDecimal::fromShown(7);
    session.currentStep1 = ExactDecimal::fromShown(4);
    session.countIndex = 3;
    session.history1->record(3, 7.0);
    ScriptedDialogs dialogs;
    dialogs.textAnswers << "12" << "11";
    predictNext(session, dialogs);
    QCOMPARE(session.currentValue1.shown(), Decimal(7, 0));
    QCOMPARE(session.currentStep1.shown(), Decimal(4, 0));
    QCOMPARE(session.countIndex, 3);
    QCOMPARE((*session.history1)[3], 7.0);
    QCOMPARE((*session.history1)[4], 0.0);
    QVERIFY(dialogs.textAnswers.isEmpty());
}

QTEST_APPLESS_MAIN(PredictionTest)
#include "tst_prediction.moc"
