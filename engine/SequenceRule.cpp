#include "engine/SequenceRule.h"

#include "engine/NumberText.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int writtenDigits = int(Precision::Double);
const QChar minusSign(0x2212);
const QChar oneHalf(0x00BD);
const QString nSquared = QStringLiteral("n") + QChar(0x00B2);

// An odd number of halves is written with "½": 1.5 as 1½, 0.5 as ½.
QString coefficientText(Decimal magnitude, QChar separator)
{
    if (magnitude.exponent() == -1 && magnitude.digits() % 10 == 5) {
        const std::int64_t whole = magnitude.digits() / 10;
        return (whole == 0 ? QString() : Decimal(whole, 0).text(separator)) + oneHalf;
    }
    return magnitude.text(separator);
}

QString termText(Decimal magnitude, int power, QChar separator)
{
    const bool unitCoefficient = power > 0 && magnitude == Decimal(1, 0);
    const QString coefficient = unitCoefficient ? QString() : coefficientText(magnitude, separator);
    return coefficient + (power == 2 ? nSquared : power == 1 ? QStringLiteral("n") : QString());
}

} // namespace

QString stepRuleInWords(const CounterSettings &settings)
{
    const auto magnitude = [](Decimal value) { return value.isNegative() ? value.negated() : value; };
    const QString start =
        QCoreApplication::translate("SequenceRule", "Start at %1.").arg(numberToText(settings.firstNumber));
    const QString step = numberToText(magnitude(settings.firstStep));
    QString rule;
    if (settings.stepChange.isZero()) {
        rule = settings.firstStep.isNegative()
            ? QCoreApplication::translate("SequenceRule", "Take away %1 every time.").arg(step)
            : QCoreApplication::translate("SequenceRule", "Add %1 every time.").arg(step);
    } else {
        const QString first = numberToText(settings.firstStep);
        const QString change = numberToText(magnitude(settings.stepChange));
        rule = settings.stepChange.isNegative()
            ? QCoreApplication::translate("SequenceRule",
                                          "The first step is %1, and the step shrinks by %2 after every count.")
                  .arg(first, change)
            : QCoreApplication::translate("SequenceRule",
                                          "The first step is %1, and the step grows by %2 after every count.")
                  .arg(first, change);
    }
    return start + QChar(' ') + rule;
}

NthNumberRule::NthNumberRule(const CounterSettings &settings)
{
    const Decimal a = settings.firstNumber.rounded();
    const Decimal s = settings.firstStep.rounded();
    const Decimal c = settings.stepChange.rounded();

    const std::optional<Decimal> squared = c.half();
    const std::optional<Decimal> threeHalves = squared ? squared->times(3) : std::nullopt;
    const std::optional<Decimal> linear = threeHalves ? s.minus(*threeHalves) : std::nullopt;
    const std::optional<Decimal> aLessS = a.minus(s);
    const std::optional<Decimal> constant = aLessS ? aLessS->plus(c) : std::nullopt;

    // Where the exact numbers do not fit, the formula shows them rounded.
    const auto coefficient = [](std::optional<Decimal> exact, double roughly) {
        if (exact && exact->significantDigits() <= writtenDigits)
            return Coefficient{*exact, true};
        return Coefficient{exact ? exact->rounded() : Decimal::shown(roughly), false};
    };
    const double ad = a.toDouble(), sd = s.toDouble(), cd = c.toDouble();
    m_coefficients = {coefficient(squared, cd / 2), coefficient(linear, sd - 1.5 * cd),
                      coefficient(constant, ad - sd + cd)};
}

QString NthNumberRule::text() const
{
    struct Term {
        Decimal value;
        int power;
    };
    QList<Term> terms;
    for (int power = 2; power >= 0; --power) {
        const Decimal value = m_coefficients[std::size_t(2 - power)].value;
        if (!value.isZero())
            terms.append({value, power});
    }
    if (terms.isEmpty())
        return QStringLiteral("0");
    if (terms.first().value.isNegative() && !terms.last().value.isNegative())
        std::reverse(terms.begin(), terms.end());

    const QChar separator = decimalSeparator();
    QString text;
    for (const Term &term : std::as_const(terms)) {
        const bool negative = term.value.isNegative();
        if (!text.isEmpty())
            text += negative ? QStringLiteral(" %1 ").arg(minusSign) : QStringLiteral(" + ");
        else if (negative)
            text += minusSign;
        text += termText(negative ? term.value.negated() : term.value, term.power, separator);
    }
    return text;
}

std::optional<Decimal> NthNumberRule::valueAt(int n) const
{
    if (!std::all_of(m_coefficients.begin(), m_coefficients.end(), [](const Coefficient &c) { return c.exact; }))
        return std::nullopt;
    const std::optional<Decimal> squared = m_coefficients[0].value.times(std::int64_t(n) * n);
    const std::optional<Decimal> linear = m_coefficients[1].value.times(n);
    const std::optional<Decimal> both = squared && linear ? squared->plus(*linear) : std::nullopt;
    const std::optional<Decimal> value = both ? both->plus(m_coefficients[2].value) : std::nullopt;
    if (!value || value->significantDigits() > writtenDigits)
        return std::nullopt;
    return value;
}

bool NthNumberRule::gives(const CountHistory &history, int countIndex) const
{
    for (int k = 0; k <= countIndex; ++k) {
        if (valueAt(k + 1) != history.shown(std::size_t(k)))
            return false;
    }
    return true;
}
