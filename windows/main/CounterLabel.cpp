#include "windows/main/CounterLabel.h"

#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {
// What the height of the digits is measured on, whatever the counter shows.
const QString allDigits = QStringLiteral("0123456789");
} // namespace

CounterLabel::CounterLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QFont counterFont(QStringLiteral("Arial"));
    counterFont.setBold(true);
    setFont(counterFont);
    setTextFormat(Qt::PlainText);
}

void CounterLabel::setTopTwips(double top)
{
    m_top = top;
    applyGeometry();
}

void CounterLabel::setHeightTwips(double height)
{
    m_height = height;
    applyGeometry();
}

void CounterLabel::setWidthTwips(double width)
{
    m_width = width;
    applyGeometry();
}

void CounterLabel::applyGeometry()
{
    setGeometry(twipsRect(left, m_top, m_width, m_height));
}

void CounterLabel::placeAt(const QRect &area)
{
    setGeometry(area);
}

void CounterLabel::setVisibleArea(const QRect &area)
{
    m_visibleArea = area;
    update();
}

double CounterLabel::pointsFittingWidth(const QString &text, double width, double points) const
{
    QFont f = font();
    const auto widthAt = [&](double size) {
        f.setPointSizeF(size);
        return QFontMetricsF(f, this).horizontalAdvance(text);
    };
    const double full = widthAt(points);
    if (full <= width || width <= 0)
        return points;
    // Text widths grow almost in proportion to the size, but hinting rounds
    // them: the proportional estimate starts a search between sizes that fit
    // and sizes that do not.
    double fits = 0;
    double tooWide = points;
    double next = points * width / full;
    while (tooWide - fits > 0.01) {
        (widthAt(next) <= width ? fits : tooWide) = next;
        next = (fits + tooWide) / 2;
    }
    return std::max(fits, 1.0);
}

double CounterLabel::pointsFittingDigitHeight(double height) const
{
    constexpr double probe = 100;
    QFont f = font();
    f.setPointSizeF(probe);
    const double digits = QFontMetricsF(f, this).tightBoundingRect(allDigits).height();
    double fitted = std::floor(probe * height / digits);
    while (fitted > 1) {
        f.setPointSizeF(fitted);
        if (QFontMetricsF(f, this).tightBoundingRect(allDigits).height() <= height)
            break;
        --fitted;
    }
    return std::max(fitted, 1.0);
}

// At its own size the text stands centred in the counter, as long as it fits
// the visible part on both sides of the centre; otherwise it fills the
// visible width.
CounterLabel::TextPlace CounterLabel::textPlace() const
{
    TextPlace place{font(), contentsRect()};
    const QRect visible = m_visibleArea.value_or(rect()).intersected(rect());
    const int centre = place.box.center().x();
    const double balanced = 2.0 * std::min(centre - visible.left(), visible.right() - centre) + 1;
    const double width = QFontMetricsF(place.font, this).horizontalAdvance(text());
    if (width <= balanced || visible.isEmpty())
        return place;
    place.font.setPointSizeF(pointsFittingWidth(text(), visible.width(), fontPoints()));
    place.box = QRect(visible.left(), place.box.top(), visible.width(), place.box.height());
    return place;
}

double CounterLabel::drawnFontPoints() const
{
    return textPlace().font.pointSizeF();
}

void CounterLabel::paintEvent(QPaintEvent *)
{
    const TextPlace place = textPlace();
    QPainter painter(this);
    painter.setFont(place.font);
    painter.setPen(textColour());
    painter.drawText(place.box, int(alignment()), text());
}

void CounterLabel::setFontPoints(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

QColor CounterLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

QColor CounterLabel::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void CounterLabel::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    emit coloursChanged();
}

void CounterLabel::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    emit coloursChanged();
}

void toggleCounterMask(CounterLabel *label, const QColor &windowBackground)
{
    if (label->isMasked())
        label->setBackgroundColour(windowBackground);
    else
        label->setBackgroundColour(label->textColour());
}
