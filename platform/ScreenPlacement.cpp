#include "platform/ScreenPlacement.h"

#include "platform/Twips.h"

#include <QGuiApplication>
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

QPoint besideWindow(QSize frame, const QRect &window, const QRect &area)
{
    const QPoint right(window.right() + 1, window.top());
    const QPoint below(window.left(), window.bottom() + 1);
    if (right.x() + frame.width() <= area.right() + 1)
        return clampedToArea(right, frame, area);
    if (below.y() + frame.height() <= area.bottom() + 1)
        return clampedToArea(below, frame, area);
    const QPoint candidates[] = {right, below, QPoint(window.left() - frame.width(), window.top()),
                                 QPoint(window.left(), window.top() - frame.height())};
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint &candidate : candidates) {
        const QPoint place = clampedToArea(candidate, frame, area);
        const QRect covered = QRect(place, frame).intersected(window);
        const qint64 size = qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || size < leastCovered) {
            leastCovered = size;
            best = place;
        }
    }
    return best;
}

std::optional<double> boardScale(const QWidget *window)
{
    constexpr double boardLines = 1080;
    if (!window || !window->window()->isFullScreen())
        return std::nullopt;
    return window->window()->height() / boardLines;
}

void rememberPlacement(WindowPlacement &placement, const QWidget &window)
{
    placement.topLeft = QPointF(pixelsToTwips(window.x()), pixelsToTwips(window.y()));
    placement.size = QSizeF(pixelsToTwips(window.width()), pixelsToTwips(window.height()));
}

void restorePlacement(const WindowPlacement &placement, QWidget &window, QSize minimumSize)
{
    if (placement.size)
        window.resize(twipsSize(placement.size->width(), placement.size->height()).expandedTo(minimumSize));
    if (placement.topLeft)
        window.move(twipsPoint(placement.topLeft->x(), placement.topLeft->y()));
}

void moveOnScreen(QWidget &window, QPoint topLeft)
{
    // A shown window knows its frame; before that the main window's stands in.
    QSize frame = window.frameGeometry().size();
    if (!window.isVisible())
        if (const QWidget *owner = window.parentWidget() ? window.parentWidget()->window() : nullptr)
            frame = window.size() + (owner->frameGeometry().size() - owner->size());
    const QScreen *screen = QGuiApplication::screenAt(topLeft + QPoint(frame.width() / 2, frame.height() / 2));
    if (!screen)
        screen = window.screen();
    window.move(screen ? clampedToArea(topLeft, frame, screen->availableGeometry()) : topLeft);
}
