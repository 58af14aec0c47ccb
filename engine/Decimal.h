#pragma once

// Decimal numbers held exactly as digits × 10^exponent. Every number the
// program writes is such a decimal, rounded to 15 significant digits (7 for
// 32-bit values); the steps between written numbers and the rules behind
// them are worked out on these decimals, so that 0.3 − 0.2 is exactly 0.1.
// Arithmetic that needs more than 18 digits gives nothing instead of a
// rounded result.

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

// Reads a number written with "." and an optional exponent, whatever the
// locale; overflow gives infinity.
double readCLiteral(const char *literal);

enum class Precision { Double = 15, Single = 7 };

class Decimal {
public:
    Decimal() = default;
    // Trailing zeros of the digits move into the exponent.
    constexpr Decimal(std::int64_t digits, int exponent) : m_digits(digits), m_exponent(digits == 0 ? 0 : exponent)
    {
        while (m_digits != 0 && m_digits % 10 == 0) {
            m_digits /= 10;
            ++m_exponent;
        }
    }

    // A finite value rounded to the precision's significant digits, the way
    // the program writes it (infinities as the largest value, NaN as 0).
    static Decimal shown(double value, Precision precision = Precision::Double);
    // The shortest decimal that reads back as the value: the value as a JSON
    // number writes it, 0.1 for the double nearest 0.1, up to 17 digits;
    // rounded, it is the value as shown. Infinities and NaN as shown.
    static Decimal shortest(double value);
    // ±digits × 10^exponent, the digits written out in full without leading
    // zeros, rounded to 15 significant digits, ties to even.
    static Decimal fromDigits(bool negative, std::string_view digits, long exponent);

    std::int64_t digits() const { return m_digits; }
    int exponent() const { return m_exponent; }
    int significantDigits() const;
    bool isZero() const { return m_digits == 0; }
    bool isNegative() const { return m_digits < 0; }
    // The nearest double; beyond the largest double, infinity.
    double toDouble() const;

    Decimal negated() const { return Decimal(-m_digits, m_exponent); }
    std::optional<Decimal> plus(Decimal other) const;
    std::optional<Decimal> minus(Decimal other) const { return plus(other.negated()); }
    std::optional<Decimal> times(std::int64_t factor) const;
    std::optional<Decimal> half() const;

    // Rounded to the precision's significant digits where it has more.
    Decimal rounded(Precision precision = Precision::Double) const;

    // The text numberToText writes for the rounded decimal, with the given
    // decimal separator.
    QString text(QChar separator, Precision precision = Precision::Double) const;
    void appendText(QString &to, QChar separator, Precision precision = Precision::Double) const;
    // The same text with "." as separator, in 8 bits; returns its length.
    static constexpr int longestText = 24;
    int write(char (&out)[longestText], Precision precision = Precision::Double) const;

    friend bool operator==(const Decimal &, const Decimal &) = default;

private:
    static Decimal fromScientific(const char *buffer);

    std::int64_t m_digits = 0;
    int m_exponent = 0;
};

// b − a as the program writes it: exact where that fits in 15 significant
// digits, else rounded like any written value.
Decimal shownDifference(Decimal b, Decimal a);
