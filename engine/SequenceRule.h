#pragma once

// The rule behind a counter's numbers, as a teacher writes it on the board:
// the step rule in words, from the counter's settings, and the nth number
// as a formula in n, where n = 1 is the first number shown. With first
// number a, first step s and step change c, number n is
//   a + (n − 1)s + (n − 1)(n − 2)c/2 = (c/2)n² + (s − 3c/2)n + (a − s + c),
// worked out on the settings as written, so the formula's numbers are exact
// wherever they fit in 15 significant digits.

#include "engine/CountingSession.h"
#include "engine/Decimal.h"

#include <QString>

#include <array>
#include <optional>

// "Start at 3. Add 4 every time.", or with a changing step "Start at 1. The
// first step is 1, and the step grows by 1 after every count."; decreases
// "Take away" and "shrink".
QString stepRuleInWords(const CounterSettings &settings);

class NthNumberRule {
public:
    explicit NthNumberRule(const CounterSettings &settings);

    // "½n² − ½n + 1": no zero terms, no coefficient 1, "−" before negative
    // terms, an odd number of halves with "½"; the highest power first, or
    // the lowest where that puts a positive term first ("33 − 3n").
    QString text() const;
    // Number n, exactly; nothing where that needs more than 15 significant
    // digits or the formula's numbers are not exact.
    std::optional<Decimal> valueAt(int n) const;
    // Whether the formula gives, exactly, every number shown so far: entries
    // 0 to countIndex of the counter's history.
    bool gives(const CountHistory &history, int countIndex) const;

private:
    struct Coefficient {
        Decimal value;  // rounded to 15 significant digits where it was not exact
        bool exact;
    };
    std::array<Coefficient, 3> m_coefficients;  // of n², n and 1
};
