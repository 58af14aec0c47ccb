#include "ListOutput.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "Printer.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>

#include <numeric>


namespace {

bool printLines(Printer &printer, const QStringList &lines)
{
    if (!printer.beginDocument())
        return false;
    for (int i = 0; i < printedBlankLines; ++i) {
        if (!printer.printLine(QString()))
            return false;
    }
    for (const QString &line : lines) {
        if (!printer.printLine(line))
            return false;
    }
    return printer.endDocument();
}

bool writeAll(QIODevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

} // namespace

QString suggestedListFileName(const CountingSession &session)
{
    return QStringLiteral("count%1.txt").arg(session.listFileNumber);
}

QList<ListColumn> listColumns(const CountingSession &session, ListKind kind)
{
    const int counts = session.countIndex + 1;
    const auto run = [counts](const CountHistory &history) {
        return QList<double>(history.begin(), history.begin() + counts);
    };
    QList<double> countNumbers(counts);
    std::iota(countNumbers.begin(), countNumbers.end(), 1.0);
    QList<ListColumn> columns{{QCoreApplication::translate("ListOutput", "Count"), countNumbers},
                              {QCoreApplication::translate("ListOutput", "Counter 1"), run(*session.history1)}};
    if (kind == ListKind::TwoCounters)
        columns.append({QCoreApplication::translate("ListOutput", "Counter 2"), run(*session.history2)});
    return columns;
}

QByteArray csvBytes(const QList<ListColumn> &columns)
{
    QStringList headings;
    for (const ListColumn &column : columns)
        headings << column.heading;
    QByteArray bytes = headings.join(QChar(',')).toUtf8() + "\r\n";
    const qsizetype counts = columns.isEmpty() ? 0 : columns.front().values.size();
    for (qsizetype k = 0; k < counts; ++k) {
        QStringList cells;
        for (const ListColumn &column : columns)
            cells << QString::number(column.values.at(k), 'g', QLocale::FloatingPointShortest);
        bytes += cells.join(QChar(',')).toUtf8() + "\r\n";
    }
    return bytes;
}

void printList(ListServices &services, ListKind kind, QWidget *window)
{
    if (printLines(services.printer, tabSeparatedLines(services.session, kind)))
        return;
    services.printer.abandonDocument();
    services.dialogs.showMessage(Messages::listNotPrinted(), window);
}

void saveList(ListServices &services, ListKind kind, QWidget *window)
{
    CountingSession &session = services.session;
    const QList<SaveFormat> formats = {
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Text Files")), QStringLiteral("txt"),
         [&](QIODevice &file) { return writeAll(file, listFileBytes(session, kind)); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "CSV File")), QStringLiteral("csv"),
         [&](QIODevice &file) { return writeAll(file, csvBytes(listColumns(session, kind))); }},
    };
    if (saveWithDialog(services.dialogs, suggestedListFileName(session), formats, Messages::listNotSaved(), window))
        advanceFileNumber(session.listFileNumber);
}
