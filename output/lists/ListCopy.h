#pragma once

// What Copy puts on the clipboard from a list window: its text as shown, for
// text editors, and the same numbers as an HTML table, a cell each, for word
// processors and spreadsheets.

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

// text: lines as the list window shows them; heading (none for no heading
// line) and rows: the same numbers, a cell each. The caller owns the result.
QMimeData *copiedList(const QString &text, const QStringList &heading, const QList<QStringList> &rows);
