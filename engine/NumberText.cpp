#include "engine/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdint>
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

QString numberToText(const Decimal &value)
{
    return value.text(decimalSeparator());
}

namespace {

class LeadingNumberReader {
public:
    explicit LeadingNumberReader(const QString &text) : m_text(text) {}

    // The leading number as a C literal ("-12.5e3"); "0" where there is none.
    std::string read()
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

    std::string readInteger(int base)
    {
        take();  // '&'
        take();  // 'H' or 'O'
        std::uint64_t whole = 0;
        bool fits = true;
        double value = 0;
        for (QChar c = peek(); !c.isNull(); c = peek()) {
            const int digit = QString(c).toInt(nullptr, 16);
            const bool valid = (c.isDigit() || (base == 16 && c.toUpper() >= QChar('A') && c.toUpper() <= QChar('F')))
                && digit < base && c.unicode() < 128;
            if (!valid)
                break;
            fits = fits && !__builtin_mul_overflow(whole, std::uint64_t(base), &whole)
                && !__builtin_add_overflow(whole, std::uint64_t(digit), &whole);
            value = value * base + digit;
            take();
        }
        if (fits)
            return std::to_string(whole);
        // Beyond 64 bits no one counts with it: the nearest double will do.
        if (!std::isfinite(value))
            return "1e99999";
        char literal[32];
        *std::to_chars(literal, literal + sizeof literal - 1, value).ptr = '\0';
        return literal;
    }

    std::string readDecimal()
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
            return "0";
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
        return literal;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

// The value of a C literal rounded to the digits the program writes, ties to
// even. Near the ends of the doubles' range (below 1E-307, where they run out
// of precision, and beyond 1E+307, where they end) the number is the nearest
// double, as the rest of the program meets it.
ReadNumber decimalOf(const std::string &literal)
{
    constexpr long farthestExponent = 1'000'000;  // of any number a double reaches, with room
    std::size_t at = 0;
    const bool negative = literal[at] == '-';
    if (literal[at] == '-' || literal[at] == '+')
        ++at;
    // The value is 0.digits × 10^scale.
    std::string digits;
    long scale = 0;
    bool pointSeen = false;
    for (; at < literal.size() && literal[at] != 'e'; ++at) {
        const char c = literal[at];
        if (c == '.')
            pointSeen = true;
        else if (digits.empty() && c == '0')
            scale -= pointSeen ? 1 : 0;
        else {
            digits += c;
            scale += pointSeen ? 0 : 1;
        }
    }
    if (at < literal.size()) {
        const bool negativeExponent = literal[++at] == '-';
        if (literal[at] == '-' || literal[at] == '+')
            ++at;
        long exponent = 0;
        for (; at < literal.size(); ++at)
            exponent = std::min(exponent * 10 + (literal[at] - '0'), farthestExponent);
        scale += negativeExponent ? -exponent : exponent;
    }
    if (digits.empty())
        return {Decimal(), true};
    const long firstDigit = scale - 1;
    if (firstDigit > std::numeric_limits<double>::max_exponent10 - 1
        || firstDigit < std::numeric_limits<double>::min_exponent10) {
        const double value = readCLiteral(literal.c_str());
        return {Decimal::shortest(value), std::isfinite(value)};
    }
    return {Decimal::fromDigits(negative, digits, scale - long(digits.size())), true};
}

} // namespace

ReadNumber readNumber(const QString &text)
{
    return decimalOf(LeadingNumberReader(text).read());
}

double textToNumber(const QString &text)
{
    return readCLiteral(LeadingNumberReader(text).read().c_str());
}

bool fitsSingle(double value)
{
    return std::isfinite(value) && std::fabs(value) <= double(std::numeric_limits<float>::max());
}
