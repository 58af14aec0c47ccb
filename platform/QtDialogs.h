#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real dialogs, built from Qt's widgets and made for touch.
class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget *parent) override { m_parent = parent; }
    MessageAnswer showMessage(const Message &message) override;
    QString askText(const Question &question) override;
    std::optional<QColor> pickColour() override;
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter) override;

private:
    QPointer<QWidget> m_parent;
};
