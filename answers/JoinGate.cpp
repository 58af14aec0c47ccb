#include "answers/JoinGate.h"

#include "answers/AnswerLimits.h"

#include <QRandomGenerator>

JoinGate::JoinGate(Clock &clock) : m_clock(clock)
{
    renew();
}

void JoinGate::renew()
{
    const QString old = m_code;
    do
        m_code = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(10000), 4, 10, QLatin1Char('0'));
    while (m_code == old);
    m_wrong.clear();
}

JoinGate::Verdict JoinGate::check(const QString &code)
{
    if (code == m_code)
        return Verdict::Joined;
    const double now = m_clock.now();
    while (!m_wrong.isEmpty() && now - m_wrong.first() >= 60)
        m_wrong.removeFirst();
    m_wrong << now;
    if (m_wrong.size() < AnswerLimits::wrongCodesPerMinute)
        return Verdict::WrongCode;
    renew();
    return Verdict::CodeChanged;
}
