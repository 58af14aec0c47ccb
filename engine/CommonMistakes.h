#pragma once

// What a wrong answer to "what comes next?" most likely was, worked out from
// the count itself: the class added the step that was rather than the step
// that is, went a count too far, answered the number on the board, and so
// on. An answer is given at most one mistake, the first that fits in the
// order of Mistake; a right answer, or one that fits none, gets none.

#include "engine/Decimal.h"

#include <QString>

#include <optional>

enum class Mistake {
    None,
    NumberOnTheBoard,
    OtherCounter,
    SameStepAgain,
    OneStepTooMany,
    WrongDirection,
    OneStepTooFew,
    PlaceValueSlip,
};

// One counter at a pause, as the board shows it.
struct CountAtPause {
    Decimal shown;                      // the number on the board
    Decimal step;                       // the step the next count adds
    Decimal stepChange;                 // what each count adds to the step
    std::optional<Decimal> lastStep;    // the step that led to the board's number, after the first count
    std::optional<Decimal> otherNext;   // with two counters, the other counter's next number
};

Mistake mistakeOf(const CountAtPause &count, Decimal answer);

// The mistake in a few words of the teacher's language; empty for None.
// OtherCounter names the counter whose number it was.
QString mistakeName(Mistake mistake, int otherCounter = 2);
