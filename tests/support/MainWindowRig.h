#pragma once

// A main window as start-up leaves it, on fake time, with scripted dialogs:
// the ground for the tests of its buttons.

#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/main/MainWindow.h"

struct MainWindowRig {
    CountingSession session;
    WindowMemory memory;
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump{clock};
    MainWindow main{session, memory, dialogs};
    Toolbar *toolbar = nullptr;

    MainWindowRig()
    {
        main.start(clock, pump);
        toolbar = named<Toolbar>(main, "Picture1");
    }
    QPushButton *button(const char *name) { return named<QPushButton>(main, name); }
};
