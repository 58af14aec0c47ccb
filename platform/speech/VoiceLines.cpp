#include "platform/speech/VoiceLines.h"

#include <array>
#include <utility>

namespace VoiceLines {

namespace {

constexpr std::array<std::pair<Kind, const char *>, 3> words{{
    {Kind::Say, "say"}, {Kind::Voices, "voices"}, {Kind::Done, "done"},
}};

QByteArray word(Kind kind)
{
    for (const auto &[k, w] : words)
        if (k == kind)
            return w;
    return {};
}

// Tabs and line ends would split a field: none belongs in a number's words.
QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    for (char &c : bytes)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return bytes;
}

} // namespace

QByteArray say(const QString &words)
{
    return word(Kind::Say) + '\t' + field(words) + '\n';
}

QByteArray voices(bool speaksProgramLanguage, const QStringList &languages)
{
    QByteArray line = word(Kind::Voices) + '\t' + (speaksProgramLanguage ? '1' : '0');
    for (const QString &language : languages)
        line += '\t' + field(language);
    return line + '\n';
}

QByteArray event(Kind kind)
{
    return word(kind) + '\n';
}

Line parse(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split('\t');
    Line parsed;
    for (const auto &[k, w] : words)
        if (parts.first() == w)
            parsed.kind = k;
    for (qsizetype i = 1; i < parts.size(); ++i)
        parsed.fields << QString::fromUtf8(parts[i]);
    return parsed;
}

QList<QByteArray> takeLines(QByteArray &buffer)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = buffer.indexOf('\n'); end >= 0; end = buffer.indexOf('\n', start)) {
        lines << buffer.mid(start, end - start);
        start = end + 1;
    }
    buffer.remove(0, start);
    return lines;
}

} // namespace VoiceLines
