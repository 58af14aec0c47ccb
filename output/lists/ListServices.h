#pragma once

#include "engine/CountingSession.h"
#include "windows/WindowMemory.h"

class Dialogs;
class Printer;
class QWidget;

// What the list windows and their operations work with.
struct ListServices {
    const CountingSession &session;
    WindowMemory &memory;
    Dialogs &dialogs;
    Printer &printer;
    // Places the first list of the program run and owns the list windows;
    // may be null.
    QWidget *mainWindow = nullptr;
};
