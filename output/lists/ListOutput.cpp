#include "ListOutput.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "Printer.h"

#include <QIODevice>


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

} // namespace

QString suggestedListFileName(const CountingSession &session)
{
    return QStringLiteral("count%1.txt").arg(session.listFileNumber);
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
    const auto writeList = [&](QIODevice &file) {
        const QByteArray bytes = listFileBytes(session, kind);
        return file.write(bytes) == bytes.size();
    };
    if (saveWithDialog(services.dialogs, suggestedListFileName(session), listFileFilter, writeList,
                       Messages::listNotSaved(), window))
        advanceFileNumber(session.listFileNumber);
}
