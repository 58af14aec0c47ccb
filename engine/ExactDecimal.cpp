#include "engine/ExactDecimal.h"

#include <gmp.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

namespace {

static_assert(sizeof(long) == sizeof(std::int64_t));

mpz_ptr digitsOf(unsigned char *storage)
{
    return std::launder(reinterpret_cast<mpz_ptr>(storage));
}

mpz_srcptr digitsOf(const unsigned char *storage)
{
    return std::launder(reinterpret_cast<mpz_srcptr>(storage));
}

mpz_ptr made(unsigned char *storage)
{
    return new (storage) __mpz_struct;
}

void multiplyByPowerOfTen(mpz_ptr number, unsigned long exponent)
{
    mpz_t power;
    mpz_init(power);
    mpz_ui_pow_ui(power, 10, exponent);
    mpz_mul(number, number, power);
    mpz_clear(power);
}

// The decimal digits of the magnitude, or of the value with its sign.
std::string text(mpz_srcptr number)
{
    std::string digits(mpz_sizeinbase(number, 10) + 2, '\0');
    mpz_get_str(digits.data(), 10, number);
    digits.resize(digits.find('\0'));
    return digits;
}

} // namespace

ExactDecimal::ExactDecimal()
{
    static_assert(sizeof(__mpz_struct) <= sizeof(Storage) && alignof(__mpz_struct) <= alignof(Storage));
    mpz_init(made(m_digits.bytes));
}

ExactDecimal::ExactDecimal(Decimal decimal) : m_exponent(decimal.exponent())
{
    mpz_init_set_si(made(m_digits.bytes), static_cast<long>(decimal.digits()));
}

ExactDecimal::ExactDecimal(const ExactDecimal &other) : m_exponent(other.m_exponent)
{
    mpz_init_set(made(m_digits.bytes), digitsOf(other.m_digits.bytes));
}

ExactDecimal::ExactDecimal(ExactDecimal &&other) noexcept : ExactDecimal()
{
    mpz_swap(digitsOf(m_digits.bytes), digitsOf(other.m_digits.bytes));
    m_exponent = other.m_exponent;
}

ExactDecimal &ExactDecimal::operator=(const ExactDecimal &other)
{
    mpz_set(digitsOf(m_digits.bytes), digitsOf(other.m_digits.bytes));
    m_exponent = other.m_exponent;
    return *this;
}

ExactDecimal &ExactDecimal::operator=(ExactDecimal &&other) noexcept
{
    mpz_swap(digitsOf(m_digits.bytes), digitsOf(other.m_digits.bytes));
    m_exponent = other.m_exponent;
    return *this;
}

ExactDecimal::~ExactDecimal()
{
    mpz_clear(digitsOf(m_digits.bytes));
}

void ExactDecimal::refineTo(int exponent)
{
    if (exponent >= m_exponent)
        return;
    multiplyByPowerOfTen(digitsOf(m_digits.bytes), static_cast<unsigned long>(m_exponent - exponent));
    m_exponent = exponent;
}

ExactDecimal &ExactDecimal::operator+=(const ExactDecimal &other)
{
    refineTo(other.m_exponent);
    mpz_ptr digits = digitsOf(m_digits.bytes);
    if (other.m_exponent == m_exponent) {
        mpz_add(digits, digits, digitsOf(other.m_digits.bytes));
    } else {
        mpz_t aligned;
        mpz_init_set(aligned, digitsOf(other.m_digits.bytes));
        multiplyByPowerOfTen(aligned, static_cast<unsigned long>(other.m_exponent - m_exponent));
        mpz_add(digits, digits, aligned);
        mpz_clear(aligned);
    }
    return *this;
}

double ExactDecimal::toDouble() const
{
    mpz_srcptr digits = digitsOf(m_digits.bytes);
    if (mpz_fits_slong_p(digits))
        return Decimal(mpz_get_si(digits), m_exponent).toDouble();
    // Read back as a literal: strtod rounds correctly to the nearest double.
    const std::string literal = text(digits) + 'e' + std::to_string(m_exponent);
    return readCLiteral(literal.c_str());
}

Decimal ExactDecimal::shown() const
{
    constexpr int written = int(Precision::Double);
    mpz_srcptr number = digitsOf(m_digits.bytes);
    if (mpz_fits_slong_p(number)) {
        const Decimal exact(mpz_get_si(number), m_exponent);
        if (exact.significantDigits() <= written)
            return exact;
    }
    const bool negative = mpz_sgn(number) < 0;
    const std::string digits = text(number);
    const Decimal rounded = Decimal::fromDigits(negative, std::string_view(digits).substr(negative ? 1 : 0), m_exponent);
    // Rounded up, the largest values would be written past the largest
    // double; there the written value follows the double's own rounding.
    if (std::isinf(rounded.toDouble())) {
        const double value = toDouble();
        if (std::isfinite(value))
            return Decimal::shown(value);
    }
    return rounded;
}
