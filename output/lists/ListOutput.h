#pragma once

// Printing and saving a number list as the list windows show it (shownList).
// Both read the run's values again from the session and write tab-separated
// lines, or a table of comma-separated values; neither uses the window's
// text.

#include "ListServices.h"
#include "ListText.h"

inline constexpr int printedBlankLines = 5;

// One column of a list as a table: its heading and a cell for each count, as
// many as every other column has: a number as the list shows it, with ".",
// or nothing where a count has none.
struct ListColumn {
    QString heading;
    QStringList cells;
};

// "Count" (1, 2, 3 …), then each counter's values; with steps shown, each
// followed by its steps and step changes.
QList<ListColumn> listColumns(const CountingSession &session, ListKind kind);

// The headings, then one line per count: comma-separated, whatever the
// region; CR LF after every line.
QByteArray csvBytes(const QList<ListColumn> &columns);

// "count" + listFileNumber + ".txt"
QString suggestedListFileName(const CountingSession &session);

// Five empty lines, then one line per count, on the default printer. The
// first failure abandons the document and is reported once, over the window.
void printList(ListServices &services, ListKind kind, QWidget *window);

// Asks for a file name and writes the list there whole or not at all: as
// tab-separated text or, named .csv, as a table. Cancel ends quietly; any
// other failure is reported. Only a written file advances listFileNumber,
// which stops at its largest value.
void saveList(ListServices &services, ListKind kind, QWidget *window);

inline void printListOneCounter(ListServices &services, QWidget *window = nullptr) { printList(services, ListKind::OneCounter, window); }
inline void printListTwoCounters(ListServices &services, QWidget *window = nullptr) { printList(services, ListKind::TwoCounters, window); }
inline void saveListOneCounter(ListServices &services, QWidget *window = nullptr) { saveList(services, ListKind::OneCounter, window); }
inline void saveListTwoCounters(ListServices &services, QWidget *window = nullptr) { saveList(services, ListKind::TwoCounters, window); }
