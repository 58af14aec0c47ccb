#pragma once

// A voice on fake time: it records what it was asked to say and when, and is
// busy for a set time after each.

#include "engine/Speaker.h"
#include "tests/support/FakeClock.h"

#include <QList>

class RecordingSpeaker : public Speaker {
public:
    explicit RecordingSpeaker(FakeClock &clock) : m_clock(clock) {}

    bool hasVoice() const override { return voice; }
    bool isSpeaking() const override { return m_clock.now() < m_busyUntil; }
    void say(const QString &words) override
    {
        said << words;
        saidAt << m_clock.now();
        m_busyUntil = m_clock.now() + secondsPerNumber;
    }

    bool voice = true;
    double secondsPerNumber = 0.5;
    QStringList said;
    QList<double> saidAt;

private:
    FakeClock &m_clock;
    double m_busyUntil = 0;
};
