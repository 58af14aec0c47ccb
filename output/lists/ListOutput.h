#pragma once

// Printing and saving a number list as the list windows show it (shownList).
// Both read the run's values again from the session and write tab-separated
// lines, or a table of comma-separated values; neither uses the window's
// text.

#include "output/lists/ListServices.h"
#include "output/lists/ListText.h"

// What the list windows show, print and save: listTable with steps as the
// teacher last chose in a list window.
inline Steps shownSteps(const WindowMemory &memory) { return memory.listShowsSteps ? Steps::Shown : Steps::Hidden; }
ListTable shownList(const ListServices &services, ListKind kind);

// Five empty lines, then one line per count, on the default printer. The
// first failure abandons the document and is reported once, over the window.
void printList(ListServices &services, ListKind kind, QWidget *window);

// Asks for a file name and writes the list there whole or not at all: as
// tab-separated text or, named .csv, as a table. Cancel ends quietly; any
// other failure is reported. Only a written file advances the list's file
// number, which stops at its largest value.
void saveList(ListServices &services, ListKind kind, QWidget *window);
