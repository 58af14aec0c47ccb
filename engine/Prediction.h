#pragma once

// Asks the class for the next number of each counter in turn, praising a
// right answer and asking again after a wrong one, until every counter is
// answered right or an answer is left empty, which ends the asking. Reads the
// run state, changes none.

#include "engine/CountingSession.h"
#include "engine/Prompter.h"

void predictNext(const CountingSession &session, Prompter &prompter);
void predictOneCounter(const CountingSession &session, Prompter &prompter);
void predictTwoCounters(const CountingSession &session, Prompter &prompter);

// An answer is right when it reads as the number the counter will display
// next: after 1.1 counting back in tenths, 1 is right and 1.0000000001 is not.
bool isRightAnswer(const QString &answer, const ExactDecimal &nextValue);
