#include "answers/AnswerChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace {
constexpr int axisPoints = 16;
constexpr int mistakePoints = 13;
const QColor mistakeColour(60, 60, 60);
const QColor rightColour(0, 150, 60);
const QColor otherColour(70, 110, 200);
} // namespace

AnswerChart::AnswerChart(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(360, 280);
}

// Two stacked sets, of which each category fills only one: the right
// answer's bar takes its colour from the first, every other bar from the
// second.
void AnswerChart::showSpread(const QString &title, const QList<ClassQuestion::Bar> &bars)
{
    auto *right = new QBarSet(tr("Right answer"));
    auto *others = new QBarSet(tr("Other answers"));
    right->setColor(rightColour);
    others->setColor(otherColour);
    QStringList answers;
    int most = 0;
    for (const ClassQuestion::Bar &bar : bars) {
        // Marked in words too, for a right answer nobody gave.
        answers << (bar.right ? bar.answer + QStringLiteral(" ✓") : bar.answer);
        *right << (bar.right ? bar.pupils : 0);
        *others << (bar.right ? 0 : bar.pupils);
        most = std::max(most, bar.pupils);
    }
    auto *series = new QStackedBarSeries;
    series->append(right);
    series->append(others);

    auto *chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    QFont font = chart->titleFont();
    font.setPointSize(axisPoints);
    chart->setTitleFont(font);

    auto *answerAxis = new QBarCategoryAxis;
    answerAxis->append(answers);
    answerAxis->setLabelsFont(font);
    auto *pupilAxis = new QValueAxis;
    // Whole numbers of pupils on the scale: steps of 1, 2, 5, 10 …
    int step = 1;
    for (int k = 0; most > 10 * step; ++k)
        step = k % 3 == 1 ? step * 5 / 2 : step * 2;
    const int top = std::max((most + step - 1) / step * step, 1);
    pupilAxis->setRange(0, top);
    pupilAxis->setTickCount(top / step + 1);
    pupilAxis->setLabelFormat(QStringLiteral("%d"));
    pupilAxis->setTitleText(tr("Pupils"));
    pupilAxis->setLabelsFont(font);
    chart->addAxis(answerAxis, Qt::AlignBottom);
    chart->addAxis(pupilAxis, Qt::AlignLeft);
    series->attachAxis(answerAxis);
    series->attachAxis(pupilAxis);
    chart->legend()->setFont(font);

    QChart *old = this->chart();
    setChart(chart);
    delete old;
    nameMistakes(bars, series);
}

// A wrong answer that fits a common mistake carries its name above its bar,
// wrapped to the bar's width rather than cut.
void AnswerChart::nameMistakes(const QList<ClassQuestion::Bar> &bars, QAbstractBarSeries *series)
{
    m_mistakes.clear();
    QStringList described;
    QFont font = chart()->titleFont();
    font.setPointSize(mistakePoints);
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (bars[i].mistake.isEmpty())
            continue;
        auto *label = new QGraphicsTextItem(bars[i].mistake, chart());
        label->setFont(font);
        label->setDefaultTextColor(mistakeColour);
        QTextOption centred = label->document()->defaultTextOption();
        centred.setAlignment(Qt::AlignHCenter);
        label->document()->setDefaultTextOption(centred);
        m_mistakes.append({int(i), bars[i].pupils, label});
        described << bars[i].answer + QStringLiteral(": ") + bars[i].mistake;
    }
    setAccessibleDescription(described.join(QLatin1Char('\n')));
    const auto place = [this, series, count = bars.size()] {
        const QRectF plot = chart()->plotArea();
        const qreal across = count > 0 ? plot.width() / qreal(count) : plot.width();
        for (const MistakeLabel &m : std::as_const(m_mistakes)) {
            m.label->setTextWidth(std::max<qreal>(across - 4, 1));
            const QPointF top = chart()->mapToPosition(QPointF(m.bar, m.pupils), series);
            const qreal y = std::max(plot.top(), top.y() - m.label->boundingRect().height());
            m.label->setPos(top.x() - m.label->textWidth() / 2, y);
        }
    };
    connect(chart(), &QChart::plotAreaChanged, this, place);
    place();
}

QString AnswerChart::mistakeShownAt(int bar) const
{
    for (const MistakeLabel &m : m_mistakes)
        if (m.bar == bar)
            return m.label->toPlainText();
    return {};
}
