#include "engine/ExactDecimal.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

} // namespace

ExactDecimal::ExactDecimal(Decimal decimal)
    : m_digits(static_cast<long>(decimal.digits())), m_exponent(decimal.exponent())
{
    static_assert(sizeof(long) == sizeof(std::int64_t));
}

void ExactDecimal::refineTo(int exponent)
{
    if (exponent >= m_exponent)
        return;
    m_digits *= powerOfTen(static_cast<unsigned long>(m_exponent - exponent));
    m_exponent = exponent;
}

ExactDecimal &ExactDecimal::operator+=(const ExactDecimal &other)
{
    refineTo(other.m_exponent);
    if (other.m_exponent == m_exponent)
        m_digits += other.m_digits;
    else
        m_digits += other.m_digits * powerOfTen(static_cast<unsigned long>(other.m_exponent - m_exponent));
    return *this;
}

double ExactDecimal::toDouble() const
{
    if (m_digits.fits_slong_p())
        return Decimal(m_digits.get_si(), m_exponent).toDouble();
    // Read back as a literal: strtod rounds correctly to the nearest double.
    const std::string literal = m_digits.get_str() + 'e' + std::to_string(m_exponent);
    return readCLiteral(literal.c_str());
}

Decimal ExactDecimal::shown() const
{
    constexpr int written = int(Precision::Double);
    if (m_digits.fits_slong_p()) {
        const Decimal exact(m_digits.get_si(), m_exponent);
        if (exact.significantDigits() <= written)
            return exact;
    }
    const int sign = sgn(m_digits);
    const std::string digits = mpz_class(abs(m_digits)).get_str();
    const int dropped = int(digits.size()) - written;
    std::int64_t kept = std::stoll(digits.substr(0, std::size_t(written)));
    const char first = digits[std::size_t(written)];
    const bool beyondHalf = digits.find_first_not_of('0', std::size_t(written) + 1) != std::string::npos;
    if (first > '5' || (first == '5' && (beyondHalf || kept % 2 == 1)))
        ++kept;
    const Decimal rounded(sign * kept, m_exponent + dropped);
    // Rounded up, the largest values would be written past the largest
    // double; there the written value follows the double's own rounding.
    if (std::isinf(rounded.toDouble())) {
        const double value = toDouble();
        if (std::isfinite(value))
            return Decimal::shown(value);
    }
    return rounded;
}
