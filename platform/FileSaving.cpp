#include "FileSaving.h"

#include "Dialogs.h"

#include <QSaveFile>

#include <limits>

#include <unistd.h>

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
    if (!path)
        return false;
    if (!writeFileAtomically(*path, write)) {
        dialogs.showMessage(notSaved, window);
        return false;
    }
    dialogs.fileSaved(*path);
    return true;
}

void advanceFileNumber(std::int16_t &number)
{
    if (number < std::numeric_limits<std::int16_t>::max())
        ++number;
}
