#pragma once

// The teacher-facing standard dialogs: message box, input box, colour picker
// and save-file dialog. Windows use this interface; tests hand them a
// scripted double that records every request.

#include "Messages.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

class Dialogs : public Prompter {
public:
    // Parent for the next dialogs; null centres them on the screen.
    virtual void setParentWindow(QWidget *parent) = 0;
    // Nothing for Cancel.
    virtual std::optional<QColor> pickColour() = 0;
    // filter: "description|pattern|description|pattern…"; the first entry is
    // selected. Nothing for Cancel; otherwise the full path.
    virtual std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter) = 0;
    // The file named in the last save dialog has been written: the next save
    // dialog opens in its folder.
    virtual void fileSaved(const QString &path) = 0;
};
