#pragma once

#include "platform/Dialogs.h"
#include "platform/SaveFilters.h"

#include <QWidget>

class QFileDialog;

// The real dialogs: Qt's own message box, input box and file dialog, enlarged
// for touch, and the swatch colour dialog. Each stands over the window the
// teacher is working in: the open modal window, else the parent given.
class QtDialogs : public Dialogs {
public:
    MessageAnswer showMessage(const Message &message, QWidget *parent) override;
    QString askText(const Question &question, QWidget *parent) override;
    std::optional<QColor> pickColour(QWidget *parent) override;
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter,
                                           QWidget *parent) override;
    std::optional<QString> askOpenFileName(const QString &filter, QWidget *parent) override;
    void fileSaved(const QString &path) override;

private:
    QString saveFolder() const;
    void prepareFileDialog(QFileDialog &dialog, const QString &name, const QList<SaveFilter> &filters) const;

    QString m_lastSaveFolder;  // for this run only
};
