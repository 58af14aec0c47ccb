#pragma once

// The whole program on fake time with scripted dialogs: real windows, no
// real waiting.

#include "FakePump.h"
#include "Lesson.h"
#include "Named.h"
#include "ScriptedDialogs.h"

struct LessonRig {
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump{clock};
    Lesson lesson{dialogs, clock, pump};

    QPushButton *button(const char *name) { return named<QPushButton>(lesson.mainWindow(), name); }
};
