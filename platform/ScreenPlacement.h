#pragma once

// Keeping windows where a teacher can reach them: centred, or moved as
// little as possible to lie wholly on a screen.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include <optional>

class QScreen;
class QWidget;

// Centres the window in the screen's available area; no screen, no move.
void centreOnScreen(QWidget &window, const QScreen *screen);

// The top-left nearest to topLeft at which a frame of the given size lies
// within the area; a frame larger than the area keeps to its top-left.
QPoint clampedToArea(QPoint topLeft, QSize frame, const QRect &area);

// Where a frame of the given size stands beside another window's frame:
// to its right where the area has room, else below it, else wherever
// within the area it covers the least of that window.
QPoint besideWindow(QSize frame, const QRect &window, const QRect &area);

// How many times larger than a board of 1080 lines the full-screen window
// is; nothing for a window that is not full screen.
std::optional<double> boardScale(const QWidget *window);

// Where a window was last left, in twips: its frame's top-left and its
// inside size.
struct WindowPlacement {
    bool placed = false;  // its first place has been worked out, for good
    std::optional<QPointF> topLeft;
    std::optional<QSizeF> size;
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// Remembers where the window stands now.
void rememberPlacement(WindowPlacement &placement, const QWidget &window);
// Puts the window where it was remembered, at least minimumSize large.
void restorePlacement(const WindowPlacement &placement, QWidget &window, QSize minimumSize = {});
// Moves the window to the top-left (pixels), as near as it can wholly on a
// screen: the one that point is on, else the window's own.
void moveOnScreen(QWidget &window, QPoint topLeft);
