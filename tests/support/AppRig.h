#pragma once

// The whole program on fake time with scripted dialogs: real windows, no
// real waiting.

#include "app/AppController.h"
#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"

struct AppRig {
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump{clock};
    int ended = 0;  // times the program would have ended
    AppController lesson{dialogs, clock, pump, [this] { ++ended; }};

    QPushButton *button(const char *name) { return named<QPushButton>(lesson.mainWindow(), name); }
};
