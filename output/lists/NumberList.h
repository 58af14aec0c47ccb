#pragma once

#include "output/lists/ListServices.h"

// Builds the list of the run's values and shows it in OneCounterListWindow (one counter)
// or TwoCounterListWindow (two counters), modally; returns when the teacher closes it.
// The first list of the program run is placed from the main window; later
// ones open where the last list window of either kind was closed.
void showListOneCounter(ListServices &services);
void showListTwoCounters(ListServices &services);
