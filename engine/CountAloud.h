#pragma once

// Counting aloud follows the count model: each number the class is shown is
// said as it appears, both counters' in one breath, unless it is hushed
// ("?") or the routine does not count aloud. A number is never cut off: one
// that comes while the one before is still being said is left unsaid, so at
// a fast pace the class hears the numbers there is time for.

#include "engine/CountModel.h"
#include "engine/CountingSession.h"
#include "engine/Speaker.h"

#include <QObject>

class CountAloud : public QObject {
    Q_OBJECT
public:
    CountAloud(const CountingSession &session, const CountModel &model, QObject *parent = nullptr);

    // None leaves the count silent.
    void setSpeaker(Speaker *speaker) { m_speaker = speaker; }

private:
    void say(int countIndex);

    const CountingSession &m_session;
    const CountModel &m_model;
    Speaker *m_speaker = nullptr;
};
