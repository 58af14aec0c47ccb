#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real dialogs: Qt's own message box, input box and file dialog, enlarged
// for touch, and the swatch colour dialog. Each stands over the window the
// teacher is working in: the open modal window, else the parent window.
class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget *parent) override { m_parent = parent; }
    MessageAnswer showMessage(const Message &message) override;
    QString askText(const Question &question) override;
    std::optional<QColor> pickColour() override;
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter) override;
    void fileSaved(const QString &path) override;

private:
    QWidget *dialogParent() const;
    QString saveFolder() const;

    QPointer<QWidget> m_parent;
    QString m_lastSaveFolder;  // for this run only
};
