#pragma once

// The two number conversions every window uses: a value to the text the
// teacher sees (counters, settings boxes, lists, files), and typed text back
// to a value by the leading-number rule (settings boxes, pupils' answers).

#include "engine/Decimal.h"

#include <QString>

// The decimal separator of the current locale.
QChar decimalSeparator();

// No leading blank, no trailing zeros, 0 before the decimal separator below 1,
// exponent form (1E+20, 1E-05) for very large or very small magnitudes, the
// decimal separator of the current locale.
QString numberToText(double value, Precision precision = Precision::Double);
inline QString numberToText(float value) { return numberToText(double(value), Precision::Single); }

struct ReadNumber {
    double value = 0;
    bool inRange = true;  // false when the written number lies outside the 64-bit range
};

// Reads the leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand; an optional sign, digits with at most one decimal
// separator ("." or the locale's), an optional exponent (E or D); &H and &O
// read hexadecimal and octal integers. No readable number gives 0.
ReadNumber readNumber(const QString &text);
inline double textToNumber(const QString &text) { return readNumber(text).value; }

// The text of a float field (the speed) must fit the 32-bit range as well.
bool fitsSingle(double value);
