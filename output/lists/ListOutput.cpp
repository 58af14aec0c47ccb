#include "ListOutput.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "Printer.h"

#include <QIODevice>

namespace {

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

} // namespace

QString suggestedListFileName(const CountingSession &session)
{
    return QStringLiteral("count%1.txt").arg(session.listFileNumber);
}

void printList(ListServices &services, ListKind kind, QWidget *window)
{
    if (printTable(services.printer, shownList(services.session, kind)))
        return;
    services.printer.abandonDocument();
    services.dialogs.showMessage(Messages::listNotPrinted(), window);
}

void saveList(ListServices &services, ListKind kind, QWidget *window)
{
    CountingSession &session = services.session;
    const auto writeList = [&](QIODevice &file) {
        const QByteArray bytes = listFileBytes(shownList(session, kind));
        return file.write(bytes) == bytes.size();
    };
    if (saveWithDialog(services.dialogs, suggestedListFileName(session), listFileFilter, writeList,
                       Messages::listNotSaved(), window))
        advanceFileNumber(session.listFileNumber);
}
