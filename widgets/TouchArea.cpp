#include "widgets/TouchArea.h"

#include "widgets/TouchSizing.h"

#include <algorithm>

TouchArea::TouchArea(QAbstractButton *control, QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, control, [control] {
        if (control->isEnabled())
            control->click();
    });
}

void TouchArea::cover(const QRect &area)
{
    QRect reach = area;
    const int height = std::max(area.height(), Touch::rowHeight);
    reach.setTop(area.center().y() - height / 2);
    reach.setHeight(height);
    setGeometry(reach);
    raise();
}

void TouchArea::paintEvent(QPaintEvent *)
{
}
