#include "engine/CountAloud.h"

CountAloud::CountAloud(const CountingSession &session, const CountModel &model, QObject *parent)
    : QObject(parent), m_session(session), m_model(model)
{
    connect(&model, &CountModel::countsAppended, this, &CountAloud::say);
}

void CountAloud::say(int countIndex)
{
    if (!m_session.routine.countAloud || !m_speaker || m_model.shown(1) == QLatin1String("?")
        || !m_speaker->hasVoice() || m_speaker->isSpeaking())
        return;
    const auto k = std::size_t(countIndex);
    QString words = spokenNumber(m_session.history1->shown(k));
    if (m_model.twoCounters())
        words += QStringLiteral(", ") + spokenNumber(m_session.history2->shown(k));
    m_speaker->say(words);
}
