#pragma once

// What Copy puts on the clipboard from a list window: its text as shown, for
// text editors, and the same numbers as an HTML table, a cell each, for word
// processors and spreadsheets.

#include <QString>

class QMimeData;

// text: lines of the list window, its columns two or more blanks apart.
// The caller owns the result.
QMimeData *copiedList(const QString &text);
