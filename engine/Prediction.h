#pragma once

// Asks the class for the next number of each counter and praises a right
// answer or asks again after a wrong one. Reads the run state, changes none.

#include "CountingSession.h"
#include "Prompter.h"

void predictNext(CountingSession &session, Prompter &prompter);
void predictOneCounter(CountingSession &session, Prompter &prompter);
void predictTwoCounters(CountingSession &session, Prompter &prompter);

// An answer is right when it reads as the number the counter will display
// next: after 1.1 counting back in tenths, 1 is right and 1.0000000001 is not.
bool isRightAnswer(const QString &answer, const ExactDecimal &nextValue);
