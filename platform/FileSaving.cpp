#include "platform/FileSaving.h"

#include "platform/Dialogs.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <limits>

#include <unistd.h>

namespace {

QString filterOf(const QList<SaveFormat> &formats)
{
    QStringList pairs;
    for (const SaveFormat &format : formats)
        pairs << QStringLiteral("%1 (*.%2)|*.%2").arg(format.description, format.suffix);
    pairs << QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "All Files")) + QStringLiteral(" (*.*)|*.*");
    return pairs.join(QChar('|'));
}

const FileWriter &writerFor(const QString &path, const QList<SaveFormat> &formats)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const SaveFormat &format : formats)
        if (suffix.compare(format.suffix, Qt::CaseInsensitive) == 0)
            return format.write;
    return formats.front().write;
}

bool writeOrTell(Dialogs &dialogs, const QString &path, const FileWriter &write, const Message &notSaved,
                 QWidget *window)
{
    if (!writeFileAtomically(path, write)) {
        dialogs.showMessage(notSaved, window);
        return false;
    }
    dialogs.fileSaved(path);
    return true;
}

} // namespace

bool writeFileAtomically(const QString &path, const FileWriter &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file))
        return false;
    // commit() does not check its own last flush (Qt 6.4 calls a failed one a
    // success), and a disk may report itself full only when synced; both must
    // have worked before the old file is replaced.
    if (!file.flush() || file.error() != QFileDevice::NoError || ::fsync(file.handle()) != 0)
        return false;
    return file.commit();
}

bool saveWithDialog(Dialogs &dialogs, const QString &suggestedName, const QString &filter, const FileWriter &write,
                    const Message &notSaved, QWidget *window)
{
    const std::optional<QString> path = dialogs.askSaveFileName(suggestedName, filter, window);
    return path && writeOrTell(dialogs, *path, write, notSaved, window);
}

bool saveWithDialog(Dialogs &dialogs, const QString &suggestedName, const QList<SaveFormat> &formats,
                    const Message &notSaved, QWidget *window)
{
    const std::optional<QString> path = dialogs.askSaveFileName(suggestedName, filterOf(formats), window);
    return path && writeOrTell(dialogs, *path, writerFor(*path, formats), notSaved, window);
}

void advanceFileNumber(std::int16_t &number)
{
    if (number < std::numeric_limits<std::int16_t>::max())
        ++number;
}
