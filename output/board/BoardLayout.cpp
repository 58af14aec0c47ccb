#include "output/board/BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double cellToFont = 1.5;       // a cell is this many font pixels tall
constexpr double numberShareOfCell = 0.75;  // room beside the number for its circle
} // namespace

int clampedRowLength(int rowLength)
{
    return std::clamp(rowLength, BoardLayout::fewestInRow, BoardLayout::mostInRow);
}

BoardLayout layoutBoard(int count, int rowLength, QSizeF size, double widestNumber)
{
    BoardLayout layout;
    layout.count = std::max(0, count);
    layout.rowLength = clampedRowLength(rowLength);
    layout.rows = (layout.count + layout.rowLength - 1) / layout.rowLength;
    layout.size = size;

    const double width = std::max(size.width() / layout.rowLength, BoardLayout::smallestCell);
    const double rowsHeight = std::max(0.0, size.height() - BoardLayout::headHeight);
    const double byWidth = widestNumber > 0 ? width * numberShareOfCell / widestNumber : rowsHeight;
    const double byHeight = rowsHeight / BoardLayout::rowsAlwaysShown / cellToFont;
    layout.fontPixels = std::max(1.0, std::floor(std::min(byWidth, byHeight)));
    layout.cell = QSizeF(width, std::max(BoardLayout::smallestCell, std::floor(layout.fontPixels * cellToFont)));
    return layout;
}

int BoardLayout::countsInRow(int row) const
{
    if (row < 0 || row >= rows)
        return 0;
    return std::min(rowLength, count - row * rowLength);
}

double BoardLayout::newestRowScroll() const
{
    return std::max(0.0, contentHeight() - (size.height() - headHeight));
}

double BoardLayout::scrollToNewest(double scroll, bool hurry) const
{
    const double newest = newestRowScroll();
    if (scroll >= newest)
        return scroll;
    if (!hurry)
        return newest;
    const int rowsShown = int((size.height() - headHeight) / cell.height());
    return newest + rowsShown / 2 * cell.height();
}

QRectF BoardLayout::cellRect(int k, double scroll) const
{
    return QRectF(column(k) * cell.width(), headHeight + row(k) * cell.height() - scroll, cell.width(),
                  cell.height());
}

QRectF BoardLayout::headRect(int column) const
{
    return QRectF(column * cell.width(), 0, cell.width(), headHeight);
}

int BoardLayout::headAt(QPointF point) const
{
    if (point.y() < 0 || point.y() >= headHeight || point.x() < 0)
        return -1;
    const int column = int(point.x() / cell.width());
    return column < rowLength ? column : -1;
}

int BoardLayout::countAt(QPointF point, double scroll) const
{
    if (point.y() < headHeight || point.x() < 0)
        return -1;
    const int column = int(point.x() / cell.width());
    const int row = int(std::floor((point.y() - headHeight + scroll) / cell.height()));
    if (column >= rowLength || row < 0)
        return -1;
    const int k = row * rowLength + column;
    return k < count ? k : -1;
}
