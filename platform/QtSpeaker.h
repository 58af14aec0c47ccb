#pragma once

// Counting aloud through Qt TextToSpeech, in the program's language: the
// offline Flite voice for English, speech-dispatcher (with espeak-ng) for
// the others and for English where Flite is missing. The engine is opened
// the first time it is needed; where no engine has a voice for the
// language, there is nothing to say with and nothing is tried at a count.

#include "engine/Speaker.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QTextToSpeech;

class QtSpeaker : public QObject, public Speaker {
    Q_OBJECT
public:
    // language: the program's, as Translations gives it ("de"; empty for English).
    explicit QtSpeaker(const QString &language, QObject *parent = nullptr);
    ~QtSpeaker() override;

    bool hasVoice() const override;
    bool isSpeaking() const override;
    void say(const QString &words) override;

    // The program's languages a voice here speaks, each in its own words
    // ("English", "français").
    QStringList voicedLanguages() const;
    // The engine that speaks, once opened; nothing where none has a voice.
    QTextToSpeech *engine() const;

private:
    void open() const;

    QString m_language;
    mutable bool m_opened = false;
    mutable std::unique_ptr<QTextToSpeech> m_engine;
    mutable std::optional<QStringList> m_voicedLanguages;  // looked for once
    bool m_busy = false;
    QElapsedTimer m_sinceSaid;
};
