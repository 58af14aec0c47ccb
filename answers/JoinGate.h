#pragma once

// The join code and the wait after wrong codes. A new 4-digit code is drawn
// each time Class Answers is turned on. An address that has given 5 wrong
// codes in a row is told to wait 30 seconds, during which every code it gives
// is refused unread; a right code clears its count.

#include "engine/Clock.h"

#include <QHash>
#include <QHostAddress>
#include <QString>

class JoinGate {
public:
    enum class Verdict { Joined, WrongCode, Waiting };

    explicit JoinGate(Clock &clock);

    // Draws a new code from the system's random source and forgets every count.
    void renew();
    QString code() const { return m_code; }
    Verdict check(const QHostAddress &from, const QString &code);

private:
    struct Attempts {
        int wrong = 0;
        double waitUntil = 0;
    };

    Clock &m_clock;
    QString m_code;
    QHash<QString, Attempts> m_attempts;  // by address
};
