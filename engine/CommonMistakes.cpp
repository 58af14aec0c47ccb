#include "engine/CommonMistakes.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

using Maybe = std::optional<Decimal>;

Maybe plus(const Maybe &a, const Maybe &b)
{
    return a && b ? a->plus(*b) : std::nullopt;
}

Maybe minus(const Maybe &a, const Maybe &b)
{
    return a && b ? a->minus(*b) : std::nullopt;
}

// Ten times the value, or a tenth of it, exactly.
Maybe tenfold(const Maybe &a)
{
    return a ? std::optional(Decimal(a->digits(), a->exponent() + 1)) : std::nullopt;
}

Maybe tenth(const Maybe &a)
{
    return a ? std::optional(Decimal(a->digits(), a->exponent() - 1)) : std::nullopt;
}

// Equal as the board shows the two numbers.
bool same(const Maybe &a, Decimal answer)
{
    return a && a->rounded() == answer.rounded();
}

} // namespace

Mistake mistakeOf(const CountAtPause &count, Decimal answer)
{
    const Maybe right = count.shown.plus(count.step);
    if (same(right, answer))
        return Mistake::None;
    const Maybe nextStep = count.step.plus(count.stepChange);
    const Maybe previous = minus(count.shown, count.lastStep);
    const std::array<std::pair<Mistake, Maybe>, 6> candidates{{
        {Mistake::NumberOnTheBoard, count.shown},
        {Mistake::OtherCounter, count.otherNext},
        // Only a step that changes can be taken again by mistake.
        {Mistake::SameStepAgain, count.lastStep && *count.lastStep != count.step ? plus(count.shown, count.lastStep) : std::nullopt},
        {Mistake::OneStepTooMany, plus(right, nextStep)},
        {Mistake::WrongDirection, count.step.isZero() ? std::nullopt : minus(count.shown, count.step)},
        {Mistake::OneStepTooFew, previous},
    }};
    for (const auto &[mistake, value] : candidates)
        if (same(value, answer))
            return mistake;
    // Ten times the right number or a tenth of it, or the step's digits a place off (0.7 for 0.07).
    const bool slip = same(tenfold(right), answer) || same(tenth(right), answer)
        || same(plus(count.shown, tenfold(count.step)), answer) || same(plus(count.shown, tenth(count.step)), answer);
    return slip && !answer.isZero() ? Mistake::PlaceValueSlip : Mistake::None;
}

QString mistakeName(Mistake mistake, int otherCounter)
{
    const char *name = nullptr;
    switch (mistake) {
    case Mistake::None:
        return {};
    case Mistake::NumberOnTheBoard:
        name = QT_TRANSLATE_NOOP("Mistake", "the number on the board");
        break;
    case Mistake::OtherCounter:
        return QCoreApplication::translate("Mistake", "counter %1's number").arg(otherCounter);
    case Mistake::SameStepAgain:
        name = QT_TRANSLATE_NOOP("Mistake", "the same step again");
        break;
    case Mistake::OneStepTooMany:
        name = QT_TRANSLATE_NOOP("Mistake", "one step too many");
        break;
    case Mistake::OneStepTooFew:
        name = QT_TRANSLATE_NOOP("Mistake", "one step too few");
        break;
    case Mistake::WrongDirection:
        name = QT_TRANSLATE_NOOP("Mistake", "the step in the wrong direction");
        break;
    case Mistake::PlaceValueSlip:
        name = QT_TRANSLATE_NOOP("Mistake", "a slip of place value");
        break;
    }
    return QCoreApplication::translate("Mistake", name);
}
