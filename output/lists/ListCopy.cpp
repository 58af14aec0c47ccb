#include "ListCopy.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString htmlTable(const QString &text)
{
    // A heading may hold a single blank; numbers hold none.
    static const QRegularExpression columnGap(QStringLiteral("\\s{2,}|\\t"));
    QString html = QStringLiteral("<table>");
    for (const QString &line : text.split(QChar('\n'))) {
        const QString columns = line.trimmed();
        if (columns.isEmpty())
            continue;
        html += QStringLiteral("<tr>");
        for (const QString &cell : columns.split(columnGap))
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QMimeData *copiedList(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(htmlTable(text));
    return data;
}
