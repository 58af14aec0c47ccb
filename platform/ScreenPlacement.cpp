#include "ScreenPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void centreOnScreen(QWidget &window, const QScreen *screen)
{
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
}

QPoint clampedToArea(QPoint topLeft, QSize frame, const QRect &area)
{
    return {std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
            std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}
