#include "output/lists/ListCopy.h"

#include <QMimeData>

namespace {

QString htmlRow(const QStringList &cells, const QString &cellTag)
{
    QString html = QStringLiteral("<tr>");
    for (const QString &cell : cells)
        html += QStringLiteral("<%1 align=\"right\">%2</%1>").arg(cellTag, cell.toHtmlEscaped());
    return html + QStringLiteral("</tr>");
}

} // namespace

QMimeData *copiedList(const QString &text, const QStringList &heading, const QList<QStringList> &rows)
{
    QString html = QStringLiteral("<table>");
    if (!heading.isEmpty())
        html += htmlRow(heading, QStringLiteral("th"));
    for (const QStringList &row : rows)
        html += htmlRow(row, QStringLiteral("td"));
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}
