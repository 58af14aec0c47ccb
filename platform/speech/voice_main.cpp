// tallyvane-voice [language] [--list]: says the numbers Tallyvane sends it,
// in the language given (default English); with --list it first tells every
// language its voices speak. See platform/speech/VoiceLines.h for its lines.
//
// A process of its own, so that a speech engine or a sound server that fails
// can only end the helper, never the lesson. It reads one number at a time
// and answers once the number has been heard in full, so the program knows
// when the voice is free; of numbers that came meanwhile, only the newest is
// still on the board.

#include "platform/speech/SoundOut.h"
#include "platform/speech/Synthesis.h"
#include "platform/speech/VoiceLines.h"

#include <QByteArray>
#include <QStringList>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

const QStringList programLanguages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("es")};
// Each in its own words, without a country's variant.
const QStringList ownNames = {QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("français"),
                              QStringLiteral("español")};

void send(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}

// Without tearing the engines down: nothing is left that the system does not take back.
[[noreturn]] void end(int status)
{
    std::fflush(stdout);
    std::_Exit(status);
}

// The newest number to say among the lines waiting, waiting for one if
// none is; the helper ends when its input does.
QString nextWords(QByteArray &buffer)
{
    std::optional<QString> newest;
    for (;;) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const bool waiting = poll(&input, 1, newest ? 0 : -1) > 0;
        if (!waiting)
            return *newest;
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0)
            end(0);
        buffer.append(chunk, got);
        if (buffer.size() > 65536)
            buffer.clear();
        for (const QByteArray &line : VoiceLines::takeLines(buffer)) {
            const VoiceLines::Line parsed = VoiceLines::parse(line);
            if (parsed.kind == VoiceLines::Kind::Say && !parsed.fields.isEmpty())
                newest = parsed.fields.first();
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QString language = QStringLiteral("en");
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0)
            list = true;
        else if (programLanguages.contains(QString::fromLatin1(argv[i])))
            language = QString::fromLatin1(argv[i]);
    }
    std::unique_ptr<Synthesis> voice = synthesisFor(language);
    QStringList names;
    for (const QString &spoken : list ? languagesSpoken(programLanguages) : QStringList{})
        names << ownNames[programLanguages.indexOf(spoken)];
    send(VoiceLines::voices(voice != nullptr, names));

    SoundOut sound;
    QByteArray buffer;
    for (;;) {
        const QString words = nextWords(buffer);
        if (voice) {
            if (!sound.play(voice->say(words)))
                end(3);  // the sound has gone
        }
        send(VoiceLines::event(VoiceLines::Kind::Done));
    }
}
