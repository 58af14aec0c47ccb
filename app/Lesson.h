#pragma once

// Puts the program together: one counting session for the program's life,
// the main window, the run loop and the windows it opens at a pause.

#include "ClassAnswers.h"
#include "CountingSession.h"
#include "Dialogs.h"
#include "EventPump.h"
#include "Graphs.h"
#include "HelpViewer.h"
#include "LessonView.h"
#include "ListServices.h"
#include "Printer.h"
#include "QtPagePrinter.h"
#include "RunLoop.h"
#include "frmMain.h"

#include <QPointer>

#include <functional>

class Clock;

class Lesson {
public:
    Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump);
    ~Lesson();

    // Title screen, then the main window.
    void start();
    // Ends a run in progress and closes every other window, then ends the
    // program (by default by leaving the application's event loop).
    void quit();
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    CountingSession &session() { return m_session; }
    frmMain &mainWindow() { return m_main; }
    LessonView &view() { return m_view; }
    RunLoop &runLoop() { return m_runLoop; }
    Graphs &graphs() { return m_graphs; }
    ClassAnswers &classAnswers() { return m_classAnswers; }

private:
    // One help window, opened at the help file's start page or brought to
    // the front when it is already open.
    void showHelp();

    CountingSession m_session;
    Dialogs &m_dialogs;
    Clock &m_clock;
    EventPump &m_pump;
    frmMain m_main;
    WindowPrompter m_prompter;
    LessonView m_view;
    RunLoop m_runLoop;
    QtPrinter m_printer;
    ListServices m_lists;
    QPointer<HelpViewer> m_help;
    QtPagePrinter m_pagePrinter;
    Graphs m_graphs;
    ClassAnswers m_classAnswers;
    std::function<void()> m_endProgram;
};
