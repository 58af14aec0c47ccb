#include "platform/SaveFilters.h"

#include <QStringList>

namespace {

// "*.*" stands for every file, also those without a dot in their name; as its
// own suffix it would also replace the suffix of the name in the name box.
QString dialogPatterns(const QString &patterns)
{
    QStringList matched = patterns.split(QChar(' '), Qt::SkipEmptyParts);
    for (QString &pattern : matched)
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
    return matched.join(QChar(' '));
}

QString suffixOf(const QString &patterns)
{
    const QString first = patterns.section(QChar(' '), 0, 0);
    if (!first.startsWith(QStringLiteral("*.")))
        return {};
    const QString suffix = first.mid(2);
    const bool wildcard = suffix.isEmpty() || suffix.contains(QChar('*')) || suffix.contains(QChar('?'))
        || suffix.contains(QChar('['));
    return wildcard ? QString() : suffix;
}

} // namespace

QList<SaveFilter> parseSaveFilters(const QString &pairs)
{
    const QStringList parts = pairs.split(QChar('|'));
    QList<SaveFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = parts[i + 1].trimmed();
        // Several patterns are separated by ";" here and by blanks in the dialog.
        QString patterns = QString(pattern).replace(QChar(';'), QChar(' ')).simplified();
        if (patterns.isEmpty())
            patterns = QStringLiteral("*");
        QString description = parts[i].trimmed();
        // Descriptions usually show the pattern already: "Text Files (*.txt)".
        for (const QString &shown : {pattern, patterns}) {
            const QString tail = QStringLiteral("(%1)").arg(shown);
            if (description.endsWith(tail))
                description = description.chopped(tail.size()).trimmed();
        }
        if (description.isEmpty())
            description = patterns;
        const QString label = QStringLiteral("%1 (%2)").arg(description, patterns);
        filters.append({label, QStringLiteral("%1 (%2)").arg(label, dialogPatterns(patterns)), suffixOf(patterns)});
    }
    return filters;
}
