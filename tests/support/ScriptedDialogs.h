#pragma once

// A stand-in for the teacher's dialogs: answers come from queues the test
// fills, and every request is recorded exactly as the teacher would see it.

#include "platform/Dialogs.h"

#include <QColor>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// It stands in for the engine's prompts too, recording into the same lists.
class ScriptedDialogs : public Dialogs, public Prompter {
public:
    struct SaveRequest {
        QString suggestedName;
        QString filter;
    };

    MessageAnswer showMessage(const Message &message, QWidget *parent) override
    {
        parents.append(parent);
        return showMessage(message);
    }
    QString askText(const Question &question, QWidget *parent) override
    {
        parents.append(parent);
        return askText(question);
    }
    std::optional<QColor> pickColour(QWidget *parent) override
    {
        parents.append(parent);
        ++colourRequests;
        return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.dequeue();
    }
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter, QWidget *parent) override
    {
        parents.append(parent);
        saveRequests.append({suggestedName, filter});
        return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.dequeue();
    }

    std::optional<QString> askOpenFileName(const QString &filter, QWidget *parent) override
    {
        parents.append(parent);
        openFilters.append(filter);
        return openAnswers.isEmpty() ? std::nullopt : openAnswers.dequeue();
    }

    MessageAnswer showMessage(const Message &message) override
    {
        messages.append(message);
        if (onMessage)
            onMessage(message);
        return messageAnswers.isEmpty() ? MessageAnswer::Ok : messageAnswers.dequeue();
    }
    QString askText(const Question &question) override
    {
        questions.append(question);
        return textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
    }
    void fileSaved(const QString &path) override { savedFiles.append(path); }

    QQueue<MessageAnswer> messageAnswers;
    QQueue<QString> textAnswers;
    QQueue<std::optional<QColor>> colourAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QQueue<std::optional<QString>> openAnswers;

    QList<Message> messages;
    QList<Question> questions;
    QList<SaveRequest> saveRequests;
    QStringList openFilters;
    QStringList savedFiles;
    int colourRequests = 0;
    // The window each dialog was asked to stand over.
    QList<QWidget *> parents;
    std::function<void(const Message &)> onMessage;
};
