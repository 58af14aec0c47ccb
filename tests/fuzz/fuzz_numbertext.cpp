// libFuzzer target for the number text. Each input is read as typed text,
// and its first bytes as the bits of a double and of a float; the written
// text of every finite number must read back as a finite number, and a
// double's text as the value displayed. A broken property aborts with the
// text, so the fuzzer keeps the input that broke it.

#include "engine/NumberText.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool holds, const char *property, const QString &text)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s: \"%s\"\n", property, qPrintable(text));
    std::abort();
}

void checkWritten(double value)
{
    const QString text = numberToText(value);
    const ReadNumber read = readNumber(text);
    require(read.inRange, "a finite double's text reads back out of range", text);
    require(numberToText(read.value) == text, "a double's text reads back as another value", text);
}

void checkWritten(float value)
{
    const QString text = numberToText(value);
    const ReadNumber read = readNumber(text);
    require(read.inRange && fitsSingle(textToNumber(text)), "a finite float's text reads back out of range", text);
}

template <typename Number>
void checkBitsOf(const uint8_t *data, size_t size)
{
    Number value;
    if (size < sizeof value)
        return;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value))
        checkWritten(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // A text with a comma is taken as typed where the comma is the decimal separator.
    static const QLocale point = QLocale::c();
    static const QLocale comma(QLocale::German, QLocale::Germany);
    QLocale::setDefault(text.contains(QChar(',')) ? comma : point);

    const ReadNumber read = readNumber(text);
    require(!std::isnan(read.value.toDouble()), "text reads as NaN", text);
    require(read.inRange == std::isfinite(textToNumber(text)), "text read out of range without saying so", text);
    if (read.inRange)
        checkWritten(read.value.toDouble());

    checkBitsOf<double>(data, size);
    checkBitsOf<float>(data, size);
    return 0;
}
