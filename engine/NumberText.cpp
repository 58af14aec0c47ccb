#include "NumberText.h"

#include <QLocale>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include <locale.h>

namespace {

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

// Drops trailing zeros (and a trailing point) from a plain decimal digit string.
std::string trimFraction(std::string digits)
{
    if (digits.find('.') == std::string::npos)
        return digits;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

// Reads a literal written with "." whatever locale the application runs in;
// overflow gives infinity.
double readCLiteral(const std::string &literal)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(literal.c_str(), nullptr, cLocale);
}

double largest(Precision precision)
{
    return precision == Precision::Single ? std::numeric_limits<float>::max() : std::numeric_limits<double>::max();
}

} // namespace

QString numberToText(double value, Precision precision)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0");

    const int significant = int(precision);
    // Scientific form gives the value rounded to the wanted significant digits
    // and the decimal exponent of that rounded value. to_chars ignores the
    // C locale, so the point is always ".".
    char buffer[400];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1).ptr;
    std::string scientific(buffer, end);
    const auto ePos = scientific.find('e');
    // Rounded up, the largest doubles would be written as 1.79769313486232E+308,
    // beyond the range, and read back as infinity: at the very top the last
    // digit is rounded toward zero instead (it is never a 0 there).
    if (std::fabs(readCLiteral(scientific)) > largest(precision))
        --scientific[ePos - 1];
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);

    std::string text;
    if (exponent >= significant || exponent < -4) {
        std::string mantissa = trimFraction(scientific.substr(0, ePos));
        const std::string digits = std::to_string(std::abs(exponent));
        text = mantissa + (exponent < 0 ? "E-" : "E+") + (digits.size() < 2 ? "0" : "") + digits;
    } else {
        const int decimals = std::max(0, significant - 1 - exponent);
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
        text = trimFraction(std::string(buffer, end));
    }
    QString result = QString::fromLatin1(text.c_str());
    const QChar separator = decimalSeparator();
    if (separator != QChar('.'))
        result.replace(QChar('.'), separator);
    return result;
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
        const double value = readCLiteral(literal);
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
