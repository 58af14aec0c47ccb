#include "engine/Decimal.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::int64_t largestDigits = 999'999'999'999'999'999;  // 18 digits

constexpr std::array<std::int64_t, 19> powersOfTen = [] {
    std::array<std::int64_t, 19> powers{1};
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

std::optional<Decimal> checked(std::int64_t digits, int exponent)
{
    if (digits > largestDigits || digits < -largestDigits)
        return std::nullopt;
    return Decimal(digits, exponent);
}

double largest(Precision precision)
{
    return precision == Precision::Single ? std::numeric_limits<float>::max() : std::numeric_limits<double>::max();
}

int largestExponent(Precision precision)
{
    return precision == Precision::Single ? std::numeric_limits<float>::max_exponent10
                                          : std::numeric_limits<double>::max_exponent10;
}

} // namespace

// The decimal of a number written as to_chars writes it in scientific form
// ("-1.25e-07").
Decimal Decimal::fromScientific(const char *buffer)
{
    const char *e = std::strchr(buffer, 'e');
    const int exponent = std::atoi(e + 1);
    std::int64_t digits = 0;
    int place = exponent + 1;  // of the digit after the last one read
    for (const char *c = buffer; c < e; ++c) {
        if (*c >= '0' && *c <= '9') {
            digits = digits * 10 + (*c - '0');
            --place;
        }
    }
    return Decimal(buffer[0] == '-' ? -digits : digits, place);
}

double readCLiteral(const char *literal)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(literal, nullptr, cLocale);
}

Decimal Decimal::shown(double value, Precision precision)
{
    if (!std::isfinite(value))
        value = std::isnan(value) ? 0 : std::copysign(largest(precision), value);
    const int significant = int(precision);
    // A value that is a whole number of thousandths or coarser, within the
    // written digits, is that decimal: the nearest written number is within
    // a rounding error of it.
    const double limit = double(powersOfTen[std::size_t(significant)]);
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double scaled = value * double(powersOfTen[std::size_t(decimals)]);
        if (scaled == std::trunc(scaled) && std::fabs(scaled) < limit)
            return Decimal(std::int64_t(scaled), -decimals);
    }

    // Scientific form gives the value rounded to the wanted significant digits
    // and the decimal exponent of that rounded value. to_chars ignores the
    // C locale, so the point is always ".".
    char buffer[64];
    char *end = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific,
                              significant - 1)
                    .ptr;
    *end = '\0';
    const Decimal written = fromScientific(buffer);
    // Rounded up, the largest doubles would be written as 1.79769313486232E+308,
    // beyond the range, and read back as infinity: at the very top the last
    // digit is rounded toward zero instead (it is never a 0 there).
    if (std::atoi(std::strchr(buffer, 'e') + 1) == largestExponent(precision)
        && std::fabs(readCLiteral(buffer)) > largest(precision))
        return Decimal(written.digits() + (value < 0 ? 1 : -1), written.exponent());
    return written;
}

Decimal Decimal::shortest(double value)
{
    if (!std::isfinite(value))
        return shown(value);
    // Below the normal range a double holds fewer digits than the program
    // writes, and a shorter decimal may read back as it: there the written
    // value is taken where it reads back as the same double.
    if (value != 0 && std::fabs(value) < std::numeric_limits<double>::min()) {
        const Decimal written = shown(value);
        if (written.toDouble() == value)
            return written;
    }
    char buffer[32];
    *std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific).ptr = '\0';
    return fromScientific(buffer);
}

Decimal Decimal::fromDigits(bool negative, std::string_view digits, long exponent)
{
    constexpr std::size_t written = std::size_t(Precision::Double);
    const std::size_t kept = std::min(digits.size(), written);
    std::int64_t magnitude = 0;
    std::from_chars(digits.data(), digits.data() + kept, magnitude);
    if (digits.size() > written) {
        const char first = digits[written];
        const bool beyondHalf = digits.find_first_not_of('0', written + 1) != std::string_view::npos;
        if (first > '5' || (first == '5' && (beyondHalf || magnitude % 2 == 1)))
            ++magnitude;
    }
    return Decimal(negative ? -magnitude : magnitude, int(exponent + long(digits.size() - kept)));
}

int Decimal::significantDigits() const
{
    const std::int64_t magnitude = m_digits < 0 ? -m_digits : m_digits;
    int count = 1;
    while (count < int(powersOfTen.size()) && magnitude >= powersOfTen[std::size_t(count)])
        ++count;
    return count;
}

double Decimal::toDouble() const
{
    // Both parts exact as doubles: one correctly rounded operation.
    constexpr std::int64_t exactInteger = std::int64_t(1) << 53;
    constexpr double exactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int power = std::abs(m_exponent);
    if (m_digits > -exactInteger && m_digits < exactInteger && power < int(std::size(exactPowers)))
        return m_exponent >= 0 ? double(m_digits) * exactPowers[power] : double(m_digits) / exactPowers[power];
    char literal[48];
    std::snprintf(literal, sizeof literal, "%llde%d", static_cast<long long>(m_digits), m_exponent);
    return readCLiteral(literal);
}

std::optional<Decimal> Decimal::plus(Decimal other) const
{
    const Decimal &high = m_exponent >= other.m_exponent ? *this : other;
    const Decimal &low = m_exponent >= other.m_exponent ? other : *this;
    const int shift = high.m_exponent - low.m_exponent;
    std::int64_t aligned = 0;
    std::int64_t sum = 0;
    if (shift >= int(powersOfTen.size())
        || __builtin_mul_overflow(high.m_digits, powersOfTen[std::size_t(shift)], &aligned)
        || __builtin_add_overflow(aligned, low.m_digits, &sum))
        return std::nullopt;
    return checked(sum, low.m_exponent);
}

std::optional<Decimal> Decimal::times(std::int64_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_digits, factor, &product))
        return std::nullopt;
    return checked(product, m_exponent);
}

std::optional<Decimal> Decimal::half() const
{
    if (m_digits % 2 == 0)
        return Decimal(m_digits / 2, m_exponent);
    return Decimal(m_digits, m_exponent - 1).times(5);
}

Decimal Decimal::rounded(Precision precision) const
{
    if (significantDigits() <= int(precision))
        return *this;
    const double value = toDouble();
    return shown(std::isfinite(value) ? value : std::copysign(largest(precision), value), precision);
}

int Decimal::write(char (&out)[longestText], Precision precision) const
{
    const Decimal number = rounded(precision);
    if (number.isZero()) {
        out[0] = '0';
        return 1;
    }
    char digits[20];
    const std::int64_t magnitude = number.m_digits < 0 ? -number.m_digits : number.m_digits;
    const int count = int(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    const int exponent = number.m_exponent + count - 1;  // of the first digit

    char *end = out;
    if (number.isNegative())
        *end++ = '-';
    const auto put = [&end](const char *from, int length) {
        std::memcpy(end, from, std::size_t(length));
        end += length;
    };
    const auto zeros = [&end](int length) {
        std::memset(end, '0', std::size_t(length));
        end += length;
    };
    if (exponent >= int(precision) || exponent < -4) {
        *end++ = digits[0];
        if (count > 1) {
            *end++ = '.';
            put(digits + 1, count - 1);
        }
        *end++ = 'E';
        *end++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10)
            *end++ = '0';
        end = std::to_chars(end, out + longestText, std::abs(exponent)).ptr;
    } else if (number.m_exponent >= 0) {
        put(digits, count);
        zeros(number.m_exponent);
    } else if (exponent >= 0) {
        put(digits, exponent + 1);
        *end++ = '.';
        put(digits + exponent + 1, count - exponent - 1);
    } else {
        put("0.", 2);
        zeros(-exponent - 1);
        put(digits, count);
    }
    return int(end - out);
}

void Decimal::appendText(QString &to, QChar separator, Precision precision) const
{
    char text[longestText];
    const int length = write(text, precision);
    const qsizetype start = to.size();
    to.append(QLatin1StringView(text, length));
    if (separator != QChar('.')) {
        for (qsizetype i = start; i < to.size(); ++i) {
            if (to[i] == QChar('.'))
                to[i] = separator;
        }
    }
}

QString Decimal::text(QChar separator, Precision precision) const
{
    QString text;
    appendText(text, separator, precision);
    return text;
}

Decimal shownDifference(Decimal b, Decimal a)
{
    if (const std::optional<Decimal> exact = b.minus(a))
        return exact->rounded();
    // Beyond 18 digits the larger number decides every written digit.
    const double difference = b.toDouble() - a.toDouble();
    return Decimal::shown(std::isfinite(difference) ? difference
                                                    : std::copysign(std::numeric_limits<double>::max(), difference));
}
