#pragma once

// The join code. A new 4-digit code is drawn each time Class Answers is
// turned on, and again whenever 30 wrong codes have come within a minute
// from all devices together: guessing costs a new code on the board, while
// joined devices stay joined. How many wrong codes one device may give is
// for the server to hold, per device, so that no device locks out another.

#include "engine/Clock.h"

#include <QList>
#include <QString>

class JoinGate {
public:
    enum class Verdict { Joined, WrongCode, CodeChanged };

    explicit JoinGate(Clock &clock);

    // Draws a new code from the system's random source and forgets every count.
    void renew();
    QString code() const { return m_code; }
    Verdict check(const QString &code);

private:
    Clock &m_clock;
    QString m_code;
    QList<double> m_wrong;  // when each wrong code of the last minute came
};
