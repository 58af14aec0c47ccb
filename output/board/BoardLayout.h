#pragma once

// The count board in rows: where each count of the run stands, and how large
// its numbers are drawn, as a pure function of how many counts there are,
// how many stand in a row and the size of the board.
//
// counts so far ──> rows of R ──> cells under a strip of column heads
//
// Count k stands in row k / R, column k % R. The numbers take the largest
// size at which a row of the widest of them fits across the board; a board
// shows at least a few rows, and the rows beyond those it can show scroll.

#include <QRectF>
#include <QSizeF>

struct BoardLayout {
    static constexpr int fewestInRow = 2;
    static constexpr int mostInRow = 20;
    static constexpr int defaultInRow = 10;
    static constexpr double headHeight = 44;   // pixels: a finger's target
    static constexpr double smallestCell = 44;  // pixels, across and down
    static constexpr int rowsAlwaysShown = 3;   // the numbers never grow past this many rows' height

    int count = 0;
    int rowLength = defaultInRow;
    int rows = 0;
    QSizeF size;
    QSizeF cell;
    double fontPixels = 0;

    int row(int k) const { return k / rowLength; }
    int column(int k) const { return k % rowLength; }
    // The counts in the row: rowLength but for a last row not yet full.
    int countsInRow(int row) const;
    // The height of every row together, below the heads.
    double contentHeight() const { return rows * cell.height(); }
    // How far the rows scroll up when the newest row stands at the bottom.
    double newestRowScroll() const;
    // How far the rows scroll, from scroll, to show the newest row: not at
    // all while they do; else until it stands at the bottom, or, in a hurry,
    // by half the rows shown more, leaving room for the rows to come.
    double scrollToNewest(double scroll, bool hurry) const;
    // The cell of count k, the rows scrolled up by scroll pixels.
    QRectF cellRect(int k, double scroll) const;
    QRectF headRect(int column) const;
    // The count at the point, or -1 for none; the heads are not counts.
    int countAt(QPointF point, double scroll) const;
    // The column whose head is at the point, or -1.
    int headAt(QPointF point) const;
};

// widestNumber is the width of the widest number of the run at a font of
// one pixel; the row length is kept between fewestInRow and mostInRow.
BoardLayout layoutBoard(int count, int rowLength, QSizeF size, double widestNumber);

// The row length one step fewer or more, within its limits.
int clampedRowLength(int rowLength);
