#include "answers/PupilTexts.h"

#include "engine/Messages.h"
#include "engine/NumberText.h"

QJsonObject PupilTexts::page()
{
    return {
        {QStringLiteral("title"), tr("Class Answers")},
        {QStringLiteral("codePrompt"), tr("Type the code on the board")},
        {QStringLiteral("join"), tr("Join")},
        {QStringLiteral("namePrompt"), tr("Your first name")},
        {QStringLiteral("send"), tr("Send")},
        {QStringLiteral("delete"), tr("Delete")},
        {QStringLiteral("sent"), tr("Sent.")},
        {QStringLiteral("canChange"), tr("You can change it until the answers are shown.")},
        {QStringLiteral("youSaid"), tr("You said %1.")},
        {QStringLiteral("waiting"), tr("Watch the board.")},
        {QStringLiteral("hidden"), tr("Hidden")},
        {QStringLiteral("right"), tr("Right!")},
        {QStringLiteral("next"), tr("The next number is %1.")},
        {QStringLiteral("reconnecting"), tr("Connection lost. Reconnecting…")},
        {QStringLiteral("messageTooLong"), messageTooLong()},
        {QStringLiteral("question"), Messages::nextNumber().prompt},
        {QStringLiteral("question1"), Messages::nextNumberCounter1().prompt},
        {QStringLiteral("question2"), Messages::nextNumberCounter2().prompt},
        {QStringLiteral("separator"), QString(decimalSeparator())},
    };
}
