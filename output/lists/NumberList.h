#pragma once

#include "ListServices.h"

// Builds the list of the run's values and shows it in frmList (one counter)
// or frmList2 (two counters), modally; returns when the teacher closes it.
// The first list of the program run is placed from the main window; later
// ones open where the last list window of either kind was closed.
void showListOneCounter(ListServices &services);
void showListTwoCounters(ListServices &services);
