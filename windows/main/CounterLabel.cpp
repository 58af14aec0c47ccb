#include "CounterLabel.h"

#include "Twips.h"

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
}

void CounterLabel::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void toggleCounterMask(CounterLabel *label, const QColor &windowBackground)
{
    if (label->isMasked())
        label->setBackgroundColour(windowBackground);
    else
        label->setBackgroundColour(label->textColour());
}
