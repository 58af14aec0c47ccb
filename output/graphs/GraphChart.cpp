#include "output/graphs/GraphChart.h"

#include "output/graphs/ThinnedLine.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QFontInfo>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>

namespace {

constexpr double linePixels = 3;
constexpr double markerPixels = 11;
// How far a point left out of a line may lie from it: a fifth of a pixel is
// lost in the line's own smoothing.
constexpr double thinningPixels = 0.2;

// The axes' grid lines, drawn square to the pixels they lie on: the chart
// would smooth them like its curves, which takes a fifth of the first paint
// of a large graph. Stands where the chart's own grid would, above the plot's
// background and below the axes and series.
class SquareGrid : public QGraphicsItem {
public:
    explicit SquareGrid(QChart &chart) : QGraphicsItem(&chart), m_chart(chart)
    {
        setZValue(gridDepth);
        QObject::connect(&chart, &QChart::plotAreaChanged, &chart, [this] {
            prepareGeometryChange();
            update();
        });
    }

    QRectF boundingRect() const override { return m_chart.plotArea().adjusted(-1, -1, 1, 1); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->setRenderHint(QPainter::Antialiasing, false);
        for (QAbstractAxis *axis : m_chart.axes())
            if (auto *categories = qobject_cast<QCategoryAxis *>(axis))
                drawLines(*painter, *categories);
    }

private:
    static constexpr double gridDepth = 2;

    void drawLines(QPainter &painter, QCategoryAxis &axis) const
    {
        const QRectF area = m_chart.plotArea();
        const bool across = axis.orientation() == Qt::Horizontal;
        QList<double> lines{axis.startValue()};
        for (const QString &label : axis.categoriesLabels())
            lines.append(axis.endValue(label));
        for (const double value : lines) {
            const double share = (value - axis.min()) / (axis.max() - axis.min());
            if (!(share >= 0 && share <= 1))
                continue;
            const QRectF line = across ? QRectF(area.left() + share * area.width() - 0.5, area.top(), 1, area.height())
                                       : QRectF(area.left(), area.bottom() - share * area.height() - 0.5, area.width(), 1);
            painter.fillRect(line, axis.gridLinePen().color());
        }
    }

    QChart &m_chart;
};

// Named by the family drawn rather than by an alias such as "Sans Serif",
// which other programs may not resolve alike: a saved drawing keeps its
// letters.
QFont drawnFont(QFont font)
{
    font.setFamily(QFontInfo(font).family());
    return font;
}

QScatterSeries::MarkerShape scatterShape(MarkerShape shape)
{
    switch (shape) {
    case MarkerShape::Circle: return QScatterSeries::MarkerShapeCircle;
    case MarkerShape::Diamond: return QScatterSeries::MarkerShapeRotatedRectangle;
    }
    return QScatterSeries::MarkerShapeCircle;
}

QList<QPointF> points(const GraphSeries &series)
{
    QList<QPointF> points;
    points.reserve(qsizetype(series.values.size()));
    for (std::size_t k = 0; k < series.values.size(); ++k)
        points.append(QPointF(double(k), series.values[k]));
    return points;
}

QCategoryAxis *axis(const Scale &scale, const QString &title)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(scale.low);
    axis->setRange(scale.low, scale.high);
    for (const AxisLabel &label : scale.labels)
        axis->append(label.text, label.at);
    axis->setLabelsFont(drawnFont(axis->labelsFont()));
    if (!title.isEmpty())
        axis->setTitleText(title);
    QFont bold = drawnFont(axis->titleFont());
    bold.setBold(true);
    axis->setTitleFont(bold);
    axis->setGridLineVisible(false);  // drawn by SquareGrid
    return axis;
}

// A line holds every point unless it has more than its drawing has pixels
// across; then it holds only those its drawing needs.
QList<QPointF> linePoints(const GraphPlan &plan, const GraphSeries &series, QSize drawnSize)
{
    if (plan.markers || qsizetype(series.values.size()) <= drawnSize.width())
        return points(series);
    return thinnedLine(series.values, drawnSize.width() / (plan.horizontal.high - plan.horizontal.low),
                       drawnSize.height() / (plan.vertical.high - plan.vertical.low), thinningPixels);
}

QList<QAbstractSeries *> lineSeries(const GraphPlan &plan, QSize drawnSize, QChart &chart)
{
    QList<QAbstractSeries *> added;
    for (const GraphSeries &series : plan.series) {
        const QList<QPointF> values = linePoints(plan, series, drawnSize);
        auto *line = new QLineSeries;
        line->setName(series.name);
        line->setPen(QPen(series.colour, linePixels));
        line->replace(values);
        added.append(line);
        if (plan.markers) {
            auto *markers = new QScatterSeries;
            markers->setMarkerShape(scatterShape(series.marker));
            markers->setMarkerSize(markerPixels);
            markers->setColor(series.colour);
            markers->setBorderColor(series.colour);
            markers->replace(values);
            added.append(markers);
        }
    }
    for (QAbstractSeries *series : added) {
        chart.addSeries(series);
        if (qobject_cast<QScatterSeries *>(series))
            chart.legend()->markers(series).front()->setVisible(false);
    }
    return added;
}

QList<QAbstractSeries *> barSeries(const GraphPlan &plan, QChart &chart)
{
    auto *bars = new QBarSeries;
    for (const GraphSeries &series : plan.series) {
        auto *set = new QBarSet(series.name);
        set->setColor(series.colour);
        set->setBorderColor(series.colour);
        QList<qreal> values(series.values.begin(), series.values.end());
        set->append(values);
        bars->append(set);
    }
    bars->setBarWidth(0.8);
    chart.addSeries(bars);
    return {bars};
}

void setTextPoints(QChart &chart, int points)
{
    for (QAbstractAxis *axis : chart.axes()) {
        QFont labels = axis->labelsFont();
        labels.setPointSize(points);
        axis->setLabelsFont(labels);
        QFont title = axis->titleFont();
        title.setPointSize(points);
        axis->setTitleFont(title);
    }
    // The legend names the counters, as readable as the numbers.
    QFont legend = chart.legend()->font();
    legend.setPointSize(points);
    chart.legend()->setFont(legend);
}

} // namespace

QChart *buildChart(const GraphPlan &plan, QSize drawnSize)
{
    auto *chart = new QChart;
    new SquareGrid(*chart);
    chart->legend()->setVisible(plan.series.size() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(drawnFont(chart->legend()->font()));
    chart->setMargins(QMargins(8, 12, 24, 8));  // room for the outer labels

    const QList<QAbstractSeries *> series =
        plan.kind == GraphKind::Line ? lineSeries(plan, drawnSize, *chart) : barSeries(plan, *chart);

    QCategoryAxis *horizontal = axis(plan.horizontal, QCoreApplication::translate("GraphChart", "Time"));
    QCategoryAxis *vertical = axis(plan.vertical, QString());
    chart->addAxis(horizontal, Qt::AlignBottom);
    chart->addAxis(vertical, Qt::AlignLeft);
    for (QAbstractSeries *s : series) {
        s->attachAxis(horizontal);
        s->attachAxis(vertical);
    }
    // Laid out once it is shown at its size: laying out thousands of points
    // at a size it never has would cost as much as the paint.
    setTextPoints(*chart, screenAxisPoints);
    return chart;
}

void setAxisPoints(QChart &chart, int points)
{
    setTextPoints(chart, points);
    if (QGraphicsLayout *layout = chart.layout())
        layout->activate();
}
