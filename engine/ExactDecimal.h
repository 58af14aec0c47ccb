#pragma once

// A decimal of any length, held exactly as a whole number times a power of
// ten. A counter adds its steps in these, so counting back from 2 in tenths
// reaches 1, 0 and -0.1 exactly instead of drifting as binary fractions do;
// only the written value is rounded, to the digits every number is written
// with.

#include "engine/Decimal.h"

class ExactDecimal {
public:
    ExactDecimal();
    explicit ExactDecimal(Decimal decimal);
    // The decimal the program writes for a value, held exactly from then on.
    static ExactDecimal fromShown(double value) { return ExactDecimal(Decimal::shown(value)); }
    ExactDecimal(const ExactDecimal &other);
    ExactDecimal(ExactDecimal &&other) noexcept;
    ExactDecimal &operator=(const ExactDecimal &other);
    ExactDecimal &operator=(ExactDecimal &&other) noexcept;
    ~ExactDecimal();

    // Written with more digits after the point, the same value: numbers that
    // share an exponent add as whole numbers.
    void refineTo(int exponent);
    int exponent() const { return m_exponent; }

    ExactDecimal &operator+=(const ExactDecimal &other);
    friend ExactDecimal operator+(ExactDecimal a, const ExactDecimal &b) { return a += b; }

    // Rounded to 15 significant digits where it has more, ties to even.
    Decimal shown() const;
    // The nearest double; beyond the largest double, infinity.
    double toDouble() const;

private:
    // Room for the arbitrary-precision whole number, which only the
    // implementation handles, so that what includes this needs none of that
    // library's headers.
    struct Storage {
        alignas(void *) unsigned char bytes[16];
    };
    Storage m_digits;
    int m_exponent = 0;
};
