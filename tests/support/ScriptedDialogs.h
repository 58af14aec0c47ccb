#pragma once

// A stand-in for the teacher's dialogs: answers come from queues the test
// fills, and every request is recorded exactly as the teacher would see it.

#include "Dialogs.h"

#include <QColor>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class ScriptedDialogs : public Dialogs {
public:
    struct SaveRequest {
        QString suggestedName;
        QString filter;
    };

    void setParentWindow(QWidget *parent) override { parentWindow = parent; }

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
    std::optional<QColor> pickColour() override
    {
        ++colourRequests;
        return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.dequeue();
    }
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter) override
    {
        saveRequests.append({suggestedName, filter});
        return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.dequeue();
    }
    void fileSaved(const QString &path) override { savedFiles.append(path); }

    QQueue<MessageAnswer> messageAnswers;
    QQueue<QString> textAnswers;
    QQueue<std::optional<QColor>> colourAnswers;
    QQueue<std::optional<QString>> saveAnswers;

    QList<Message> messages;
    QList<Question> questions;
    QList<SaveRequest> saveRequests;
    QStringList savedFiles;
    int colourRequests = 0;
    QWidget *parentWindow = nullptr;
    std::function<void(const Message &)> onMessage;
};
