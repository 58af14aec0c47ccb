#include "ListText.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

int lineCount(const CountingSession &session)
{
    return session.countIndex + 1;
}

// The number text with a leading blank for 0 and positive values, and no 0
// before the decimal point between -1 and 1.
qsizetype shortTextLength(double x)
{
    const QString text = numberToText(x);
    qsizetype length = text.size() + (x >= 0 ? 1 : 0);
    const bool fractionBelowOne = x > -1 && x < 1;
    const qsizetype digitStart = x < 0 ? 1 : 0;
    const bool exponent = text.contains(QChar('E'));
    if (fractionBelowOne && !exponent && text.size() > digitStart + 1 && text[digitStart] == QChar('0')
        && !text[digitStart + 1].isDigit())
        --length;
    return length;
}

} // namespace

double displayWidth(double x)
{
    double width = double(shortTextLength(x));
    const bool whole = std::trunc(x) == x;
    if (x > 0) {
        if (x < 1)
            width += 1;
        if (!whole)
            width -= 0.5;
    } else if (x < 0) {
        if (whole)
            width += 0.5;
        else if (x > -1)
            width += 1;
    }
    return width;
}

QString listTextOneCounter(const CountingSession &session)
{
    const QString trailing(4, QChar(' '));
    QString text;
    text.reserve(lineCount(session) * 32);
    for (int k = 0; k < lineCount(session); ++k)
        text += numberToText((*session.history1)[k]) + trailing + lineEnd;
    return text;
}

QString listTextTwoCounters(const CountingSession &session)
{
    const CountHistory &history1 = *session.history1;
    const CountHistory &history2 = *session.history2;
    const QString trailing(3, QChar(' '));
    QString text;
    text.reserve(lineCount(session) * 64);
    int columnGap = startingColumnGap;
    double previousWidth = displayWidth(history2[0]);
    for (int k = 0; k < lineCount(session); ++k) {
        const double width = displayWidth(history2[k]);
        if (k > 0 && width != previousWidth)
            columnGap -= int(std::nearbyint(2 * (width - previousWidth)));
        previousWidth = width;
        text += numberToText(history1[k]);
        text += QString(std::max(columnGap, narrowestColumnGap), QChar(' '));
        text += numberToText(history2[k]) + trailing + lineEnd;
    }
    return text;
}

QStringList tabSeparatedLines(const CountingSession &session, ListKind kind)
{
    const QString tab = QStringLiteral("\t");
    QStringList lines;
    lines.reserve(lineCount(session));
    for (int k = 0; k < lineCount(session); ++k) {
        QString line = tab + numberToText((*session.history1)[k]);
        if (kind == ListKind::TwoCounters)
            line += tab + numberToText((*session.history2)[k]);
        lines.append(line);
    }
    return lines;
}

QByteArray listFileBytes(const CountingSession &session, ListKind kind)
{
    QByteArray bytes;
    for (const QString &line : tabSeparatedLines(session, kind)) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}
