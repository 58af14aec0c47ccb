#include "output/graphs/GraphChart.h"
#include "output/graphs/ThinnedLine.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Counter 1 counts 5, 6, 7 …; counter 2 was switched on with every setting 0.
CountingSession runOf(int counters, int n)
{
    CountingSession session;
    session.counterCount = std::int16_t(counters);
    session.countIndex = std::int16_t(n);
    for (int k = 0; k <= n; ++k)
        session.history1->record(std::size_t(k), double(5 + k));
    return session;
}

template <typename Series>
QList<Series *> seriesOf(QChart &chart)
{
    QList<Series *> found;
    for (QAbstractSeries *series : chart.series())
        if (auto *s = qobject_cast<Series *>(series))
            found.append(s);
    return found;
}

QList<double> valuesOf(int count, const std::function<double(int)> &value)
{
    QList<double> values;
    for (int k = 0; k < count; ++k)
        values.append(value(k));
    return values;
}

QCategoryAxis *axis(QChart &chart, Qt::Orientation orientation)
{
    return qobject_cast<QCategoryAxis *>(chart.axes(orientation).value(0));
}

} // namespace

class GraphChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void linesAndMarkers_data();
    void linesAndMarkers();
    void flatSecondCounterIsABlueLineAtZero();
    void barsOneSetPerCounter_data();
    void barsOneSetPerCounter();
    void horizontalAxisCountsThePoints();
    void longLinesKeepWhatTheirDrawingNeeds_data();
    void longLinesKeepWhatTheirDrawingNeeds();
};

void GraphChartTest::linesAndMarkers_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("markerSeries");
    QTest::newRow("one counter, N 2") << 1 << 2 << 1;
    QTest::newRow("one counter, N 25") << 1 << 25 << 1;
    QTest::newRow("one counter, N 26") << 1 << 26 << 0;
    QTest::newRow("two counters, N 25") << 2 << 25 << 2;
    QTest::newRow("two counters, N 26") << 2 << 26 << 0;
}

void GraphChartTest::linesAndMarkers()
{
    QFETCH(int, counters);
    QFETCH(int, n);
    QFETCH(int, markerSeries);
    const std::unique_ptr<QChart> chart(buildChart(planGraph(runOf(counters, n), GraphKind::Line)));

    const QList<QLineSeries *> lines = seriesOf<QLineSeries>(*chart);
    const QList<QScatterSeries *> markers = seriesOf<QScatterSeries>(*chart);
    QCOMPARE(lines.size(), counters);
    QCOMPARE(markers.size(), markerSeries);
    const QColor colours[] = {counter1Red, counter2Blue};
    for (int c = 0; c < counters; ++c) {
        QCOMPARE(lines[c]->pen().color(), colours[c]);
        QCOMPARE(lines[c]->count(), n + 1);
        if (markerSeries) {
            QCOMPARE(markers[c]->color(), colours[c]);
            QCOMPARE(markers[c]->points(), lines[c]->points());
        }
    }
    QCOMPARE(lines[0]->at(0), QPointF(0, 5));
    QCOMPARE(lines[0]->at(n), QPointF(n, 5 + n));
    if (markerSeries == 2)
        QVERIFY(markers[0]->markerShape() != markers[1]->markerShape());
    // The legend names the counters when there are two.
    QCOMPARE(chart->legend()->isVisible(), counters == 2);
}

void GraphChartTest::flatSecondCounterIsABlueLineAtZero()
{
    const std::unique_ptr<QChart> chart(buildChart(planGraph(runOf(2, 40), GraphKind::Line)));
    const QLineSeries *second = seriesOf<QLineSeries>(*chart).value(1);
    QVERIFY(second);
    QCOMPARE(second->pen().color(), counter2Blue);
    QCOMPARE(second->count(), 41);
    for (const QPointF &point : second->points())
        QCOMPARE(point.y(), 0.0);
    QCategoryAxis *vertical = axis(*chart, Qt::Vertical);
    QVERIFY(vertical->min() < 0 && vertical->max() > 45);
    QVERIFY(vertical->categoriesLabels().contains(QStringLiteral("0")));
}

void GraphChartTest::barsOneSetPerCounter_data()
{
    QTest::addColumn<int>("counters");
    QTest::newRow("one counter") << 1;
    QTest::newRow("two counters") << 2;
}

void GraphChartTest::barsOneSetPerCounter()
{
    QFETCH(int, counters);
    const std::unique_ptr<QChart> chart(buildChart(planGraph(runOf(counters, 12), GraphKind::Bar)));
    QCOMPARE(chart->series().size(), 1);
    const auto *bars = qobject_cast<QBarSeries *>(chart->series().front());
    QVERIFY(bars);
    QCOMPARE(bars->count(), counters);
    QCOMPARE(bars->barSets()[0]->color(), counter1Red);
    QCOMPARE(bars->barSets()[0]->count(), 13);
    QCOMPARE(bars->barSets()[0]->at(12), 17.0);
    if (counters == 2)
        QCOMPARE(bars->barSets()[1]->color(), counter2Blue);
    // Bars stand on zero.
    QVERIFY(axis(*chart, Qt::Vertical)->min() < 0);
}

void GraphChartTest::horizontalAxisCountsThePoints()
{
    for (GraphKind kind : {GraphKind::Line, GraphKind::Bar}) {
        const std::unique_ptr<QChart> chart(buildChart(planGraph(runOf(1, 2), kind)));
        QCategoryAxis *horizontal = axis(*chart, Qt::Horizontal);
        QVERIFY(horizontal);
        QCOMPARE(horizontal->titleText(), QStringLiteral("Time"));
        QCOMPARE(horizontal->categoriesLabels(), (QStringList{"1", "2", "3"}));
        QCOMPARE(horizontal->endValue(QStringLiteral("3")), 2.0);
        QVERIFY(horizontal->min() < 0 && horizontal->max() > 2);
    }
}

void GraphChartTest::longLinesKeepWhatTheirDrawingNeeds_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("pixelsAcross");
    QTest::addColumn<double>("pixelsUp");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    constexpr int n = 3798;
    QTest::newRow("3, 7, 11 … is straight") << valuesOf(n, [](int k) { return 3 + 4.0 * k; }) << 0.4 << 0.05 << 2 << 2;
    QTest::newRow("1, 2, 4, 7 … curves") << valuesOf(n, [](int k) { return 1 + k * (k + 1) / 2.0; }) << 0.4 << 1e-4 << 3 << 200;
    QTest::newRow("a zigzag a pixel high") << valuesOf(n, [](int k) { return k % 2; }) << 0.4 << 1.0 << n << n;
    QTest::newRow("too wide a range to draw") << valuesOf(n, [](int k) { return 3 + 4.0 * k; }) << 0.4 << 0.0 << n << n;
    QTest::newRow("two points") << QList<double>{1, 5} << 0.4 << 1.0 << 2 << 2;
}

void GraphChartTest::longLinesKeepWhatTheirDrawingNeeds()
{
    QFETCH(QList<double>, values);
    QFETCH(double, pixelsAcross);
    QFETCH(double, pixelsUp);
    QFETCH(int, fewest);
    QFETCH(int, most);
    constexpr double tolerance = 0.2;
    const QList<QPointF> line = thinnedLine(values, pixelsAcross, pixelsUp, tolerance);

    QVERIFY(line.size() >= fewest && line.size() <= most);
    QCOMPARE(line.front(), QPointF(0, values.front()));
    QCOMPARE(line.back(), QPointF(double(values.size() - 1), values.back()));
    // Every point left out lies within the tolerance of the line drawn.
    for (qsizetype j = 1; j < line.size(); ++j) {
        const QPointF from = line[j - 1];
        const QPointF to = line[j];
        QVERIFY(to.x() > from.x());
        QCOMPARE(to.y(), values[qsizetype(to.x())]);
        for (auto k = qsizetype(from.x()) + 1; k < qsizetype(to.x()); ++k) {
            const double drawn = from.y() + (to.y() - from.y()) * (double(k) - from.x()) / (to.x() - from.x());
            QVERIFY2(std::abs(drawn - values[k]) * pixelsUp <= tolerance + 1e-9, qPrintable(QString::number(k)));
        }
    }
}

QTEST_MAIN(GraphChartTest)
#include "tst_graphchart.moc"
