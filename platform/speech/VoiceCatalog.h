#pragma once

// What the windows are told of the voices: which of the program's languages
// a voice here speaks, and whether the sound has stopped. Looking for voices
// takes seconds, so it is asked for and reported later, never waited on.

#include <QObject>
#include <QStringList>

#include <optional>

struct Voices {
    bool speaksProgramLanguage = false;
    QStringList languages;  // the program's languages a voice speaks here, by their own names
    bool soundLost = false;  // the voice was counting and the sound went away
    friend bool operator==(const Voices &, const Voices &) = default;
};

class VoiceCatalog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Nothing until they have been looked for.
    virtual std::optional<Voices> voices() const = 0;
    // Starts looking, if nobody has yet; voicesChanged tells the outcome.
    virtual void lookForVoices() = 0;

signals:
    void voicesChanged();
};
