#pragma once

// What counting aloud needs of a voice: whether one speaks the program's
// language, whether it is still speaking, and the words to say. The run
// never cuts a number off: a number that comes while the one before is
// still being spoken is left unspoken.

#include "engine/Decimal.h"

#include <QString>

class Speaker {
public:
    virtual ~Speaker() = default;
    virtual bool hasVoice() const = 0;
    virtual bool isSpeaking() const = 0;
    virtual void say(const QString &words) = 0;
};

// A number as a voice should read it, in the program's language: "-0.1" as
// "minus 0 point 1", each digit after the point on its own, so a voice says
// "minus zero point one", never "minus point one" or "one tenth".
QString spokenNumber(const Decimal &number);
