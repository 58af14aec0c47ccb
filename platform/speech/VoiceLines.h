#pragma once

// The lines the program and its voice helper exchange through the helper's
// standard input and output, one message a line, fields split by tabs:
//
//   program → helper   say <words>
//   helper → program   voices <1|0: one speaks the program's language> <language>…
//                      done   (the number has been heard in full)
//
// The helper ends when its input closes, and by itself when the sound has gone.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace VoiceLines {

enum class Kind { Say, Voices, Done, Unknown };

struct Line {
    Kind kind = Kind::Unknown;
    QStringList fields;  // after the first
};

QByteArray say(const QString &words);
QByteArray voices(bool speaksProgramLanguage, const QStringList &languages);
QByteArray event(Kind kind);

Line parse(const QByteArray &line);

// Takes the whole lines out of buffer, leaving a partial one in it.
QList<QByteArray> takeLines(QByteArray &buffer);

} // namespace VoiceLines
