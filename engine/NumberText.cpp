#include "engine/NumberText.h"

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <locale.h>

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

QString numberToText(double value, Precision precision)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    return Decimal::shown(value, precision).text(decimalSeparator(), precision);
}

namespace {

class LeadingNumberReader {
public:
    explicit LeadingNumberReader(const QString &text) : m_text(text) {}

    ReadNumber read()
    {
        if (peek() == QChar('&')) {
            const QChar kind = peekAfterAmpersand();
            if (kind == QChar('H'))
                return readInteger(16);
            if (kind == QChar('O'))
                return readInteger(8);
        }
        return readDecimal();
    }

private:
    static bool isSkipped(QChar c) { return c == QChar(' ') || c == QChar('\t') || c == QChar('\n'); }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isSkipped(m_text.at(m_pos)))
            ++m_pos;
    }
    QChar peek()
    {
        skipBlanks();
        return m_pos < m_text.size() ? m_text.at(m_pos) : QChar();
    }
    QChar peekAfterAmpersand()
    {
        const qsizetype saved = m_pos;
        ++m_pos;
        const QChar kind = peek().toUpper();
        m_pos = saved;
        return kind;
    }
    QChar take()
    {
        const QChar c = peek();
        if (!c.isNull())
            ++m_pos;
        return c;
    }
    static bool isDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }

    ReadNumber readInteger(int base)
    {
        take();  // '&'
        take();  // 'H' or 'O'
        double value = 0;
        for (QChar c = peek(); !c.isNull(); c = peek()) {
            const int digit = QString(c).toInt(nullptr, 16);
            const bool valid = (c.isDigit() || (base == 16 && c.toUpper() >= QChar('A') && c.toUpper() <= QChar('F')))
                && digit < base && c.unicode() < 128;
            if (!valid)
                break;
            value = value * base + digit;
            take();
        }
        return {value, std::isfinite(value)};
    }

    ReadNumber readDecimal()
    {
        const QChar regional = decimalSeparator();
        std::string literal;
        if (peek() == QChar('+') || peek() == QChar('-'))
            literal += char(take().unicode());
        bool digits = false;
        bool separatorSeen = false;
        for (QChar c = peek(); !c.isNull(); c = peek()) {
            if (isDigit(c)) {
                digits = true;
                literal += char(c.unicode());
            } else if (!separatorSeen && (c == QChar('.') || c == regional)) {
                separatorSeen = true;
                literal += '.';
            } else {
                break;
            }
            take();
        }
        if (!digits)
            return {0, true};
        const QChar e = peek().toUpper();
        if (e == QChar('E') || e == QChar('D')) {
            const qsizetype saved = m_pos;
            take();
            std::string exponent = "e";
            if (peek() == QChar('+') || peek() == QChar('-'))
                exponent += char(take().unicode());
            bool exponentDigits = false;
            while (isDigit(peek())) {
                exponentDigits = true;
                exponent += char(take().unicode());
            }
            if (exponentDigits)
                literal += exponent;
            else
                m_pos = saved;
        }
        const double value = readCLiteral(literal.c_str());
        return {value, std::isfinite(value)};
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

ReadNumber readNumber(const QString &text)
{
    return LeadingNumberReader(text).read();
}

bool fitsSingle(double value)
{
    return std::isfinite(value) && std::fabs(value) <= double(std::numeric_limits<float>::max());
}
