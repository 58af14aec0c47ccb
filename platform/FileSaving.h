#pragma once

// Saving a file under a name the teacher picks: the old file there is
// replaced whole or stays as it was, and a failure is always told.

#include "engine/Messages.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class Dialogs;
class QIODevice;
class QWidget;

// Writes the file's contents; false when it could not.
using FileWriter = std::function<bool(QIODevice &file)>;

// On any failure the file at path is unchanged and nothing else is left
// behind.
bool writeFileAtomically(const QString &path, const FileWriter &write);

// Asks, over the window, for a file name and writes the file there. Cancel
// ends quietly; a failure shows notSaved. Only a written file is where the
// next save dialog opens. True when the file was written.
bool saveWithDialog(Dialogs &dialogs, const QString &suggestedName, const QString &filter, const FileWriter &write,
                    const Message &notSaved, QWidget *window);

// A kind of file a save dialog offers.
struct SaveFormat {
    QString description;  // "Text Files"
    QString suffix;       // "txt"
    FileWriter write;
};

// As above, offering the formats, the first selected, and then all files.
// The file is written in the format its name's suffix names, in any case,
// else in the first.
bool saveWithDialog(Dialogs &dialogs, const QString &suggestedName, const QList<SaveFormat> &formats,
                    const Message &notSaved, QWidget *window);

// The number in a suggested file name advances after each written file and
// stops at its largest value.
void advanceFileNumber(std::int16_t &number);
