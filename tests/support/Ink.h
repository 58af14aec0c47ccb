#pragma once

// What the teacher sees drawn: the bounding box of the pixels in an area of a
// window's picture that differ clearly from the background.

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdlib>

inline QRect inkBox(QWidget &window, const QRect &area, const QColor &background)
{
    const QImage picture = window.grab().toImage();
    QRect ink;
    const QRect within = area.intersected(picture.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                    + std::abs(c.blue() - background.blue()) > 96)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}
