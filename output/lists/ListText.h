#pragma once

// Number lists: the values of the current run (history entries 0 to
// countIndex) become the list window's text (ListText), the printed and saved
// tab-separated lines (ListText, ListOutput), and are shown in frmList or
// frmList2 (NumberList, ListWindow).

#include "CountingSession.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class ListKind { OneCounter = 1, TwoCounters = 2 };

// How wide the list text of x is, in digit widths: a blank, the decimal point
// and the minus sign count about one half. Always a multiple of one half.
double displayWidth(double x);

// Blanks between the columns on a line of the two-counter list, never fewer
// than two: the gap takes two blanks per digit width that counter 2 has
// gained since the first count, so counter 1's column keeps its right edge.
inline constexpr int startingColumnGap = 16;
inline constexpr int narrowestColumnGap = 2;

// One line per count, right-aligned in the window by its trailing blanks,
// CR LF after every line.
QString listTextOneCounter(const CountingSession &session);
QString listTextTwoCounters(const CountingSession &session);

// One line per count: a tab before every value; no line ends.
QStringList tabSeparatedLines(const CountingSession &session, ListKind kind);

// The bytes of a saved list: the tab-separated lines in 8 bits, CR LF after
// every line.
QByteArray listFileBytes(const CountingSession &session, ListKind kind);
