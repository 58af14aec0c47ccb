#include "answers/JoinGate.h"

#include "answers/AnswerLimits.h"

#include <QRandomGenerator>

JoinGate::JoinGate(Clock &clock) : m_clock(clock)
{
    renew();
}

void JoinGate::renew()
{
    m_code = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(10000), 4, 10, QLatin1Char('0'));
    m_attempts.clear();
}

JoinGate::Verdict JoinGate::check(const QHostAddress &from, const QString &code)
{
    Attempts &attempts = m_attempts[from.toString()];
    const double now = m_clock.now();
    if (now < attempts.waitUntil)
        return Verdict::Waiting;
    if (code == m_code) {
        m_attempts.remove(from.toString());
        return Verdict::Joined;
    }
    if (++attempts.wrong < AnswerLimits::wrongCodesAllowed)
        return Verdict::WrongCode;
    attempts.wrong = 0;
    attempts.waitUntil = now + AnswerLimits::wrongCodeWaitSeconds;
    return Verdict::Waiting;
}
