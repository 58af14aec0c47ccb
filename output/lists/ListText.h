#pragma once

// Number lists: the values of the current run (history entries 0 to
// countIndex) become a table of what the list shows (ListText): with steps
// hidden the list text's lines on screen and the number columns in print and
// file; with steps shown the numbers, steps and step changes under a heading,
// alike everywhere. The window draws the table (ListView in OneCounterListWindow or
// TwoCounterListWindow: NumberList, ListWindow); printing and saving write its cells
// tab-separated (ListOutput).

#include "engine/CountingSession.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class ListKind { OneCounter = 1, TwoCounters = 2 };

// How wide the list text of x is, in digit widths: a blank, the decimal point
// and the minus sign count about one half. Always a multiple of one half.
double displayWidth(double x);
// The same, given the number text of x.
double displayWidth(double x, QLatin1StringView text);

enum class Steps { Hidden, Shown };

// A list as it is shown: an optional heading line over rows of cells, as
// many on every row, each cell right-aligned in its column. The columns of
// one counter stand together. The cells are kept one after another in one
// text, so that a list of many thousand lines is built in one piece.
struct ListTable {
    QStringList heading;  // a name per column, or none
    int columns = 1;
    int termColumns = 0;  // the term number n, before the counters' columns
    int columnsPerCounter = 1;
    QString text;
    QList<int> cellEnds;  // where each cell ends in text, row after row

    int rowCount() const { return int(cellEnds.size() / columns); }
    int cellCount() const { return int(cellEnds.size()); }
    // Cells counted row after row.
    QStringView cell(int index) const;
    QStringView cell(int row, int column) const { return cell(row * columns + column); }
    QStringList row(int index) const;
    // The cell written at the end of the text ends here.
    void endCell() { cellEnds.append(int(text.size())); }
};

// The list text's lines without their line ends, each line one cell.
ListTable listLines(const CountingSession &session, ListKind kind);

// "Number", "Step", "Step change", in the program's language.
QStringList stepHeading();

// One row per count and a column per counter. With steps shown, the rows
// begin with the term number n (1, 2, 3 …), and each counter's column is followed by the step from the line before (none on the
// first line) and the change of that step from the step before (none on the
// first two), worked out from the numbers as written, under stepHeading().
ListTable listTable(const CountingSession &session, ListKind kind, Steps steps);

// One line per row, the heading line first: a tab before every cell; no
// line ends.
QStringList tabSeparatedLines(const ListTable &table);

// The bytes of a saved list: the tab-separated lines in 8 bits, CR LF after
// every line.
QByteArray listFileBytes(const ListTable &table);
