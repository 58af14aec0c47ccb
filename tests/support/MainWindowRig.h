#pragma once

// A main window as start-up leaves it, on fake time, with scripted dialogs:
// the ground for the tests of its buttons.

#include "FakePump.h"
#include "frmMain.h"
#include "Named.h"
#include "ScriptedDialogs.h"

struct MainWindowRig {
    CountingSession session;
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump{clock};
    frmMain main{session, dialogs};
    Toolbar *toolbar = nullptr;

    MainWindowRig()
    {
        main.Form_Load(clock, pump);
        toolbar = named<Toolbar>(main, "Picture1");
    }
    QPushButton *button(const char *name) { return named<QPushButton>(main, name); }
};
