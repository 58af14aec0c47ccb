#include "output/lists/ListOutput.h"

#include "engine/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/FileSaving.h"
#include "platform/Printer.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>

#include <cmath>
#include <numeric>

namespace {

constexpr int printedBlankLines = 5;

bool printTable(Printer &printer, const ListTable &table)
{
    // The plain list keeps its numbers at the left tab stops; a list with a
    // heading lines its columns up on their right edges under it.
    if (!printer.beginDocument(table.heading.isEmpty() ? 0 : table.columns))
        return false;
    for (int i = 0; i < printedBlankLines; ++i) {
        if (!printer.printLine(QString()))
            return false;
    }
    for (const QString &line : tabSeparatedLines(table)) {
        if (!printer.printLine(line))
            return false;
    }
    return printer.endDocument();
}

bool writeAll(QIODevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

// One column of a list as a table: its heading and a cell for each count, as
// many as every other column has: a number as the list shows it, with ".",
// or nothing where a count has none.
struct ListColumn {
    QString heading;
    QStringList cells;
};

// "Count" (1, 2, 3 …), then each counter's values; with steps shown, each
// followed by its steps and step changes.
QList<ListColumn> listColumns(const CountingSession &session, ListKind kind, Steps steps)
{
    const int counts = session.countIndex + 1;
    const auto run = [counts](const CountHistory &history) {
        QStringList cells;
        for (int k = 0; k < counts; ++k)
            cells.append(history.shown(std::size_t(k)).text(QChar('.')));
        return cells;
    };
    QStringList countNumbers;
    for (int k = 1; k <= counts; ++k)
        countNumbers.append(QString::number(k));
    QList<ListColumn> columns{{QCoreApplication::translate("ListOutput", "Count"), countNumbers},
                              {QCoreApplication::translate("ListOutput", "Counter 1"), run(*session.history1)}};
    if (kind == ListKind::TwoCounters)
        columns.append({QCoreApplication::translate("ListOutput", "Counter 2"), run(*session.history2)});
    if (steps == Steps::Hidden)
        return columns;

    // Each counter's numbers are followed by its steps as the window shows them.
    const ListTable shown = listTable(session, kind, Steps::Shown);
    const QStringList heading = stepHeading();
    const QChar separator = decimalSeparator();
    QList<ListColumn> withSteps{columns.takeFirst()};
    for (int c = 0; c < int(kind); ++c) {
        withSteps.append(columns[c]);
        for (int step = 1; step < shown.columnsPerCounter; ++step) {
            ListColumn steps{heading[step], {}};
            for (int row = 0; row < shown.rowCount(); ++row)
                steps.cells.append(shown.cell(row, shown.termColumns + c * shown.columnsPerCounter + step).toString().replace(separator, QChar('.')));
            withSteps.append(steps);
        }
    }
    return withSteps;
}

// The headings, then one line per count: comma-separated, whatever the
// region; CR LF after every line.
QByteArray csvBytes(const QList<ListColumn> &columns)
{
    QStringList headings;
    for (const ListColumn &column : columns)
        headings << column.heading;
    // The byte-order mark tells a spreadsheet the file is UTF-8.
    QByteArray bytes = "\xEF\xBB\xBF" + headings.join(QChar(',')).toUtf8() + "\r\n";
    const qsizetype counts = columns.isEmpty() ? 0 : columns.front().cells.size();
    for (qsizetype k = 0; k < counts; ++k) {
        QStringList cells;
        for (const ListColumn &column : columns)
            cells << column.cells.at(k);
        bytes += cells.join(QChar(',')).toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace

ListTable shownList(const ListServices &services, ListKind kind)
{
    return listTable(services.session, kind, shownSteps(services.memory));
}

void printList(ListServices &services, ListKind kind, QWidget *window)
{
    if (printTable(services.printer, shownList(services, kind)))
        return;
    services.printer.abandonDocument();
    services.dialogs.showMessage(Messages::listNotPrinted(), window);
}

void saveList(ListServices &services, ListKind kind, QWidget *window)
{
    const CountingSession &session = services.session;
    WindowMemory &memory = services.memory;
    const QList<SaveFormat> formats = {
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Text Files")), QStringLiteral("txt"),
         [&](QIODevice &file) { return writeAll(file, listFileBytes(shownList(services, kind))); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "CSV File")), QStringLiteral("csv"),
         [&](QIODevice &file) { return writeAll(file, csvBytes(listColumns(session, kind, shownSteps(memory)))); }},
    };
    const QString suggested = QStringLiteral("count%1.txt").arg(memory.listFileNumber);
    if (saveWithDialog(services.dialogs, suggested, formats, Messages::listNotSaved(), window))
        advanceFileNumber(memory.listFileNumber);
}
