#include "output/graphs/GraphPlan.h"

#include <QLocale>
#include <QTest>

namespace {

CountingSession runOf(int n)
{
    CountingSession session;
    session.countIndex = std::int16_t(n);
    return session;
}

QStringList texts(const Scale &scale)
{
    QStringList texts;
    for (const AxisLabel &label : scale.labels)
        texts << label.text;
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<Message>)

class GraphPlanTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void labelSpacingRoundsHalfToEven_data();
    void labelSpacingRoundsHalfToEven();
    void limits_data();
    void limits();
    void pointsAreLabelledEverySpacing_data();
    void pointsAreLabelledEverySpacing();
    void verticalScale_data();
    void verticalScale();
    void niceScaleIsRoundAndCovers_data();
    void niceScaleIsRoundAndCovers();
};

void GraphPlanTest::labelSpacingRoundsHalfToEven_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("spacing");
    QTest::newRow("2") << 2 << 1;
    QTest::newRow("4 below one") << 4 << 1;
    QTest::newRow("5 half to even zero") << 5 << 1;
    QTest::newRow("15") << 15 << 2;
    QTest::newRow("25") << 25 << 2;
    QTest::newRow("26") << 26 << 3;
    QTest::newRow("35") << 35 << 4;
    QTest::newRow("45") << 45 << 4;
    QTest::newRow("3797") << 3797 << 380;
}

void GraphPlanTest::labelSpacingRoundsHalfToEven()
{
    QFETCH(int, n);
    QFETCH(int, spacing);
    QCOMPARE(labelSpacing(n), spacing);
}

void GraphPlanTest::limits_data()
{
    QTest::addColumn<GraphKind>("kind");
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("n");
    QTest::addColumn<std::optional<Message>>("refusal");
    const std::optional<Message> none;
    const auto line = GraphKind::Line;
    const auto bar = GraphKind::Bar;
    QTest::newRow("line, N 1") << line << 1 << 1 << std::optional(Messages::notEnoughToGraph());
    QTest::newRow("bar, N 1") << bar << 1 << 1 << std::optional(Messages::notEnoughToGraph());
    QTest::newRow("bar, two, N 1") << bar << 2 << 1 << std::optional(Messages::notEnoughToGraph());
    QTest::newRow("line, two, N 0") << line << 2 << 0 << std::optional(Messages::notEnoughToGraph());
    QTest::newRow("line, N 2") << line << 1 << 2 << none;
    QTest::newRow("bar, two, N 2") << bar << 2 << 2 << none;
    QTest::newRow("line, N 3797") << line << 1 << 3797 << none;
    QTest::newRow("line, N 3798") << line << 1 << 3798 << std::optional(Messages::tooManyToGraph());
    QTest::newRow("line, two, N 1898") << line << 2 << 1898 << none;
    QTest::newRow("line, two, N 1899") << line << 2 << 1899 << std::optional(Messages::tooManyToGraph());
    QTest::newRow("bar, N 200") << bar << 1 << 200 << none;
    QTest::newRow("bar, N 201") << bar << 1 << 201 << std::optional(Messages::tooManyForBars());
    QTest::newRow("bar, two, N 100") << bar << 2 << 100 << none;
    QTest::newRow("bar, two, N 101") << bar << 2 << 101 << std::optional(Messages::tooManyForBars());
    QTest::newRow("bar, N 32767") << bar << 1 << 32767 << std::optional(Messages::tooManyForBars());
}

void GraphPlanTest::limits()
{
    QFETCH(GraphKind, kind);
    QFETCH(int, counters);
    QFETCH(int, n);
    QFETCH(std::optional<Message>, refusal);
    QCOMPARE(graphRefusal(kind, counters, n), refusal);
}

void GraphPlanTest::pointsAreLabelledEverySpacing_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("N 2, every point") << 2 << QStringList{"1", "2", "3"};
    QTest::newRow("N 15, every second") << 15 << QStringList{"1", "3", "5", "7", "9", "11", "13", "15"};
    QTest::newRow("N 26, every third")
        << 26 << QStringList{"1", "4", "7", "10", "13", "16", "19", "22", "25"};
    QTest::newRow("N 3797") << 3797
                            << QStringList{"1", "381", "761", "1141", "1521", "1901", "2281", "2661", "3041", "3421"};
}

void GraphPlanTest::pointsAreLabelledEverySpacing()
{
    QFETCH(int, n);
    QFETCH(QStringList, labels);
    for (GraphKind kind : {GraphKind::Line, GraphKind::Bar}) {
        const GraphPlan plan = planGraph(runOf(n), kind);
        QCOMPARE(texts(plan.horizontal), labels);
        // Label "k + 1" stands at point k; the first and last points lie inside the scale.
        QCOMPARE(plan.horizontal.labels.last().at + 1, labels.last().toDouble());
        QVERIFY(plan.horizontal.low < 0);
        QVERIFY(plan.horizontal.high > n);
    }
}

void GraphPlanTest::verticalScale_data()
{
    QTest::addColumn<GraphKind>("kind");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("low");  // outer ticks
    QTest::addColumn<double>("high");
    QTest::newRow("line fits the values") << GraphKind::Line << QList<double>{1000, 1010, 1020} << 1000.0 << 1020.0;
    QTest::newRow("bars stand on zero") << GraphKind::Bar << QList<double>{1000, 1010, 1020} << 0.0 << 1200.0;
    QTest::newRow("bars below zero") << GraphKind::Bar << QList<double>{-3, -6, -9} << -10.0 << 0.0;
    QTest::newRow("flat line at 0") << GraphKind::Line << QList<double>{0, 0, 0} << -1.0 << 1.0;
    QTest::newRow("flat bars at 0") << GraphKind::Bar << QList<double>{0, 0, 0} << -1.0 << 1.0;
    QTest::newRow("flat line at 50") << GraphKind::Line << QList<double>{50, 50, 50} << 44.0 << 56.0;
}

void GraphPlanTest::verticalScale()
{
    QFETCH(GraphKind, kind);
    QFETCH(QList<double>, values);
    QFETCH(double, low);
    QFETCH(double, high);
    CountingSession session;
    session.countIndex = std::int16_t(values.size() - 1);
    for (qsizetype k = 0; k < values.size(); ++k)
        session.history1->record(std::size_t(k), values[k]);
    const Scale scale = planGraph(session, kind).vertical;
    QCOMPARE(scale.labels.front().at, low);
    QCOMPARE(scale.labels.back().at, high);
    // Room beyond the outer ticks, so nothing is drawn on the plot's edge.
    QVERIFY(scale.low < low && scale.high > high);
}

void GraphPlanTest::niceScaleIsRoundAndCovers_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("0 to 3797") << 0.0 << 3797.0 << QStringList{"0", "500", "1000", "1500", "2000", "2500", "3000", "3500", "4000"};
    QTest::newRow("tenths") << 0.1 << 0.9 << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"};
    QTest::newRow("ticks a hair off by rounding") << 0.3 << 0.7
                                                  << QStringList{"0.3", "0.35", "0.4", "0.45", "0.5", "0.55", "0.6", "0.65", "0.7"};
    QTest::newRow("across zero") << -7.0 << 12.0 << QStringList{"-10", "-5", "0", "5", "10", "15"};
    QTest::newRow("flat at 0") << 0.0 << 0.0 << QStringList{"-1", "-0.5", "0", "0.5", "1"};
    QTest::newRow("large") << 1e20 << 3e20 << QStringList{"1E+20", "1.5E+20", "2E+20", "2.5E+20", "3E+20"};
    QTest::newRow("huge, tiny spread") << 1e20 << 1.0000000000000002e20 << QStringList{};
    QTest::newRow("whole range of doubles") << -1e308 << 1e308 << QStringList{};
}

void GraphPlanTest::niceScaleIsRoundAndCovers()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QStringList, labels);
    const Scale scale = niceScale(low, high);
    if (!labels.isEmpty())
        QCOMPARE(texts(scale), labels);
    QVERIFY(scale.low <= low && scale.high >= high && scale.low < scale.high);
    QVERIFY(qFuzzyCompare(scale.labels.front().at, scale.low));
    QVERIFY(qFuzzyCompare(scale.labels.back().at, scale.high));
    QVERIFY(scale.labels.size() >= 2 && scale.labels.size() <= 17);
}

QTEST_GUILESS_MAIN(GraphPlanTest)
#include "tst_graphplan.moc"
