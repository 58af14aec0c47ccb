#pragma once

#include "engine/Messages.h"

// What the engine needs of the teacher-facing dialogs: a message box and an
// input box, standing over the lesson's window.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MessageAnswer showMessage(const Message &message) = 0;
    // Empty text for Cancel as for an empty answer.
    virtual QString askText(const Question &question) = 0;
};
