#pragma once

// The voices of the helper: text in, sound out as 16-bit mono samples. Flite
// speaks English offline; espeak-ng speaks English, German, French and
// Spanish. Each engine is set up once, for the helper's life.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct Sound {
    std::vector<short> samples;
    int rate = 16000;
};

class Synthesis {
public:
    virtual ~Synthesis() = default;
    virtual Sound say(const QString &words) = 0;
};

// The engine for a language ("en", "de" …), or nothing where none speaks it.
std::unique_ptr<Synthesis> synthesisFor(const QString &language);
// Of the languages given, those an engine here speaks.
QStringList languagesSpoken(const QStringList &languages);
