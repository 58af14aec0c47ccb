#include "engine/CommonMistakes.h"
#include "engine/NumberText.h"

#include <QTest>

Q_DECLARE_METATYPE(Mistake)

class CommonMistakesTest : public QObject {
    Q_OBJECT
private slots:
    void named_data();
    void named();
};

namespace {

Decimal number(const char *text)
{
    return Decimal::shown(readCLiteral(text));
}

} // namespace

// A count at a pause, written "board step change [last step] [other counter's next]"
// ("-" for none), and an answer.
void CommonMistakesTest::named_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Mistake>("mistake");
    using enum Mistake;
    // 1, 2, 4, 7, 11: the step grows by 1, 5 comes next.
    QTest::newRow("growing: right") << "11 5 1 4 -" << "16" << None;
    QTest::newRow("growing: the step that was") << "11 5 1 4 -" << "15" << SameStepAgain;
    QTest::newRow("growing: the board") << "11 5 1 4 -" << "11" << NumberOnTheBoard;
    QTest::newRow("growing: a count too far") << "11 5 1 4 -" << "22" << OneStepTooMany;
    QTest::newRow("growing: the number before the board's") << "11 5 1 4 -" << "7" << OneStepTooFew;
    QTest::newRow("growing: backwards") << "11 5 1 4 -" << "6" << WrongDirection;
    QTest::newRow("growing: ten times") << "11 5 1 4 -" << "160" << PlaceValueSlip;
    QTest::newRow("growing: an answer like no mistake") << "11 5 1 4 -" << "17" << None;
    // 3, 7, 11: the same step each time.
    QTest::newRow("steady: a step that does not change is not taken again") << "11 4 0 4 -" << "15" << None;
    QTest::newRow("steady: a count too far") << "11 4 0 4 -" << "19" << OneStepTooMany;
    QTest::newRow("steady: before the first count, no number before") << "3 4 0 - -" << "-1" << WrongDirection;
    QTest::newRow("steady: the first number, on the board") << "3 4 0 - -" << "3" << NumberOnTheBoard;
    // Back from 2 in tenths: 0.3 is on the board.
    QTest::newRow("tenths: right") << "0.3 -0.1 0 -0.1 -" << "0.2" << None;
    QTest::newRow("tenths: forwards") << "0.3 -0.1 0 -0.1 -" << "0.4" << WrongDirection;
    QTest::newRow("tenths: the step's digits a place off") << "0.3 -0.1 0 -0.1 -" << "0.29" << PlaceValueSlip;
    QTest::newRow("tenths: a tenth of the right number") << "0.3 -0.1 0 -0.1 -" << "0.02" << PlaceValueSlip;
    QTest::newRow("hundredths: 0.7 for 0.07") << "1.4 0.07 0 0.07 -" << "2.1" << PlaceValueSlip;
    // Negatives: -5, -8, -11 …
    QTest::newRow("negative: right") << "-11 -3 0 -3 -" << "-14" << None;
    QTest::newRow("negative: the wrong way") << "-11 -3 0 -3 -" << "-8" << WrongDirection;
    QTest::newRow("negative: the sign lost") << "-11 -3 0 -3 -" << "14" << None;
    // A shrinking step: 20, 15, 11, 8: 2 next.
    QTest::newRow("shrinking: the step that was") << "8 -2 1 -3 -" << "5" << SameStepAgain;
    QTest::newRow("shrinking: the step the wrong way") << "8 -2 1 -3 -" << "10" << WrongDirection;
    QTest::newRow("shrinking: the number before the board's") << "8 -2 1 -3 -" << "11" << OneStepTooFew;
    QTest::newRow("shrinking: half a step is none of these") << "8 -2 1 -3 -" << "7" << None;
    // Two counters: the other counter's next number is 12.
    QTest::newRow("two counters: the other's number") << "11 4 0 4 12" << "12" << OtherCounter;
    QTest::newRow("two counters: the board wins over the other's number") << "12 4 0 4 12" << "12" << NumberOnTheBoard;
    QTest::newRow("a zero step: the board is right") << "5 0 0 0 -" << "5" << None;
    QTest::newRow("a zero answer is no slip of place value") << "0 0 0 - -" << "0" << None;
}

void CommonMistakesTest::named()
{
    QFETCH(QString, count);
    QFETCH(QString, answer);
    QFETCH(Mistake, mistake);
    const QStringList parts = count.split(' ');
    const auto optional = [](const QString &text) {
        return text == QLatin1String("-") ? std::nullopt : std::optional(number(qPrintable(text)));
    };
    const CountAtPause pause{number(qPrintable(parts[0])), number(qPrintable(parts[1])), number(qPrintable(parts[2])),
                             optional(parts[3]), optional(parts[4])};
    QCOMPARE(mistakeOf(pause, number(qPrintable(answer))), mistake);
    QCOMPARE(mistakeName(mistake).isEmpty(), mistake == Mistake::None);
}

QTEST_GUILESS_MAIN(CommonMistakesTest)
#include "tst_commonmistakes.moc"
