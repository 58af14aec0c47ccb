#include "ListOutput.h"

#include "Dialogs.h"
#include "Printer.h"

#include <QSaveFile>

#include <limits>

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

bool writeWhole(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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
    const std::optional<QString> fileName =
        services.dialogs.askSaveFileName(suggestedListFileName(session), listFileFilter, window);
    if (!fileName)
        return;
    if (!writeWhole(*fileName, listFileBytes(session, kind))) {
        services.dialogs.showMessage(Messages::listNotSaved(), window);
        return;
    }
    if (session.listFileNumber < std::numeric_limits<std::int16_t>::max())
        ++session.listFileNumber;
}
