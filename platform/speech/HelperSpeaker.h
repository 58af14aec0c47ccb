#pragma once

// Counting aloud through tallyvane-voice, a helper process of the program's
// own (VoiceHelper): a speech plugin that crashes, or a sound server that
// goes away, ends the helper, never the lesson. The helper runs while the
// voice is wanted (counting aloud is on) and, for a moment, while the Routine
// dialog asks which voices there are; everything here is asynchronous, so
// nothing waits on it. When it ends unasked, the sound is taken as lost and
// it is started again at a later number, sooner after a short loss, so the
// voice comes back with the sound server.

#include "engine/Clock.h"
#include "engine/Speaker.h"
#include "platform/speech/VoiceCatalog.h"

#include <QProcess>
#include <QTimer>

class HelperSpeaker : public VoiceCatalog, public Speaker {
    Q_OBJECT
public:
    // helper: the program to start; language: the program's ("de"; empty for English).
    HelperSpeaker(const QString &helper, const QString &language, Clock &clock, QObject *parent = nullptr);
    ~HelperSpeaker() override;

    // tallyvane-voice beside the program, or where the package installs it.
    static QString installedHelper();

    // Starts the helper so it is ready before the first number, or lets it go.
    void setWanted(bool wanted);

    bool hasVoice() const override;
    bool isSpeaking() const override;
    void say(const QString &words) override;

    std::optional<Voices> voices() const override;
    void lookForVoices() override;

private:
    void startHelper();
    void readHelper();
    void helperEnded();

    QString m_helper;
    QString m_language;
    Clock &m_clock;
    QProcess m_process;
    QTimer m_unanswered;  // a helper stuck in a plugin is ended
    QByteArray m_buffer;
    bool m_wanted = false;
    bool m_stopping = false;
    std::optional<Voices> m_known;  // as the helper told them
    bool m_soundLost = false;
    double m_busySince = -1;  // on the clock; -1 when not speaking
    double m_startedAt = -1e9;  // long before any number
    double m_retryAfter = 0;  // seconds after a start before the next may follow a loss
};
