#pragma once

// The teacher-facing standard dialogs: message box, input box, colour picker,
// save-file and open-file dialogs. Windows use this interface; tests hand them a
// scripted double that records every request. Each dialog stands over the
// window the teacher is working in: the open modal window, else the parent
// given (null centres it on the screen).

#include "engine/Prompter.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer showMessage(const Message &message, QWidget *parent) = 0;
    // Empty text for Cancel as for an empty answer.
    virtual QString askText(const Question &question, QWidget *parent) = 0;
    // Nothing for Cancel.
    virtual std::optional<QColor> pickColour(QWidget *parent) = 0;
    // filter: "description|pattern|description|pattern…"; the first entry is
    // selected. Nothing for Cancel; otherwise the full path.
    virtual std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter,
                                                   QWidget *parent) = 0;
    // filter as for saving. Nothing for Cancel; otherwise the full path of an
    // existing file.
    virtual std::optional<QString> askOpenFileName(const QString &filter, QWidget *parent) = 0;
    // The file named in the last save dialog has been written: the next save
    // dialog opens in its folder.
    virtual void fileSaved(const QString &path) = 0;
};

// The engine's prompts, standing over one window.
class WindowPrompter : public Prompter {
public:
    WindowPrompter(Dialogs &dialogs, QWidget *window) : m_dialogs(dialogs), m_window(window) {}
    MessageAnswer showMessage(const Message &message) override { return m_dialogs.showMessage(message, m_window); }
    QString askText(const Question &question) override { return m_dialogs.askText(question, m_window); }

private:
    Dialogs &m_dialogs;
    QWidget *m_window;
};
