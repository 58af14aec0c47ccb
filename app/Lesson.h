#pragma once

// Puts the program together: one counting session for the program's life,
// the main window, the run loop and the windows it opens at a pause.

#include "CountingSession.h"
#include "EventPump.h"
#include "Graphs.h"
#include "LessonView.h"
#include "QtPagePrinter.h"
#include "RunLoop.h"
#include "frmMain.h"

class Clock;
class Dialogs;

class Lesson {
public:
    Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump);

    // Title screen, then the main window.
    void start();

    CountingSession &session() { return m_session; }
    frmMain &mainWindow() { return m_main; }
    LessonView &view() { return m_view; }
    RunLoop &runLoop() { return m_runLoop; }
    Graphs &graphs() { return m_graphs; }

private:
    CountingSession m_session;
    Dialogs &m_dialogs;
    Clock &m_clock;
    frmMain m_main;
    LessonView m_view;
    RunLoop m_runLoop;
    QtPagePrinter m_pagePrinter;
    Graphs m_graphs;
};
