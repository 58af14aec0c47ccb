#pragma once

// The two number conversions every window uses: a value to the text the
// teacher sees (counters, settings boxes, lists, files), and typed text back
// to a number by the leading-number rule (settings boxes, values paused at,
// pupils' answers).

#include "engine/Decimal.h"

#include <QString>

// The decimal separator of the current locale.
QChar decimalSeparator();

// No leading blank, no trailing zeros, 0 before the decimal separator below 1,
// exponent form (1E+20, 1E-05) for very large or very small magnitudes, the
// decimal separator of the current locale.
QString numberToText(double value, Precision precision = Precision::Double);
inline QString numberToText(float value) { return numberToText(double(value), Precision::Single); }
QString numberToText(const Decimal &value);

struct ReadNumber {
    // Rounded to the 15 significant digits the program writes; near the ends
    // of the doubles' range, the nearest double as Decimal::shortest gives it.
    Decimal value;
    bool inRange = true;  // false when the written number lies outside the 64-bit range
};

// Reads the leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand; an optional sign, digits with at most one decimal
// separator ("." or the locale's), an optional exponent (E or D); &H and &O
// read hexadecimal and octal integers. No readable number gives 0.
ReadNumber readNumber(const QString &text);
// The same leading number as the nearest double, which the speed is kept as.
double textToNumber(const QString &text);

// The text of a float field (the speed) must fit the 32-bit range as well.
bool fitsSingle(double value);
