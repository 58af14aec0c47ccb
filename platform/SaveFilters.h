#pragma once

// The save dialog's filter string, "description|pattern|description|pattern…",
// as the file dialog's name filters and the suffix each one adds to a name
// typed without one.

#include <QList>
#include <QString>

struct SaveFilter {
    QString label;          // as the teacher sees it: "All Files (*.*)"
    // The label, then the patterns the dialog matches, which it reads from the
    // last parentheses: "All Files (*.*) (*)". The dialog is told to show only
    // the label.
    QString nameFilter;
    QString defaultSuffix;  // "txt"; empty when the patterns name no one suffix
};

QList<SaveFilter> parseSaveFilters(const QString &pairs);
