#include "widgets/ColourSwatch.h"

#include "widgets/TouchSizing.h"

#include <QPainter>
#include <QPainterPath>

ColourSwatch::ColourSwatch(const QColor &colour, const QString &name, QWidget *parent)
    : QAbstractButton(parent), m_colour(colour)
{
    setCheckable(true);
    setAccessibleName(name);
    setAccessibleDescription(colour.name(QColor::HexRgb).toUpper());
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ColourSwatch::sizeHint() const
{
    return {Touch::swatchSize, Touch::swatchSize};
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const double radius = area.width() / 8;
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.5));
    painter.setBrush(m_colour);
    painter.drawRoundedRect(area, radius, radius);

    const QColor mark = m_colour.lightnessF() > 0.6 ? Qt::black : Qt::white;
    if (isChecked()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(mark, area.width() / 12));
        painter.drawRoundedRect(area.adjusted(5, 5, -5, -5), radius / 2, radius / 2);
        QPainterPath tick;
        const QPointF c = area.center();
        const double u = area.width() / 8;
        tick.moveTo(c + QPointF(-1.5 * u, 0));
        tick.lineTo(c + QPointF(-0.4 * u, 1.1 * u));
        tick.lineTo(c + QPointF(1.6 * u, -1.1 * u));
        painter.setPen(QPen(mark, u * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    }
    // Like the style's own focus frames: only once the keyboard has moved the focus.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(mark, 1.5, Qt::DashLine));
        painter.drawRoundedRect(area.adjusted(12, 12, -12, -12), radius / 2, radius / 2);
    }
}
