#pragma once

// Puts the program together: one counting session for the program's life,
// the main window, the run loop and the windows it opens at a pause.

#include "answers/ClassAnswers.h"
#include "answers/JoinCard.h"
#include "app/WindowView.h"
#include "engine/CountAloud.h"
#include "engine/CountingSession.h"
#include "engine/RunLoop.h"
#include "help/HelpViewer.h"
#include "output/board/CountBoards.h"
#include "output/graphs/Graphs.h"
#include "output/lists/ListServices.h"
#include "platform/BlockedPresses.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Printer.h"
#include "platform/QtPagePrinter.h"
#include "windows/WindowMemory.h"
#include "widgets/ActionButton.h"
#include "widgets/ApplicationKey.h"
#include "windows/main/MainWindow.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>

class Clock;
class HelperSpeaker;

class AppController {
public:
    // endProgram leaves the application's event loop unless given otherwise.
    AppController(Dialogs &dialogs, Clock &clock, EventPump &pump,
                  std::function<void()> endProgram = [] { QCoreApplication::exit(0); });
    ~AppController();

    // Title screen, then the main window.
    void start();
    // The voice the routine counts aloud with; without one the program is silent.
    void setSpeaker(HelperSpeaker *speaker);
    // Ends a run in progress and closes every other window, then ends the
    // program.
    void quit();

    CountingSession &session() { return m_session; }
    CountModel &countModel() { return m_countModel; }
    WindowMemory &windowMemory() { return m_memory; }
    MainWindow &mainWindow() { return m_main; }
    WindowView &view() { return m_view; }
    Graphs &graphs() { return m_graphs; }
    ClassAnswers &classAnswers() { return m_classAnswers; }
    JoinCard *joinCard() const { return m_joinCard; }
    CountBoards &countBoards() { return m_countBoards; }

private:
    // One help window, opened at the help file's start page or brought to
    // the front when it is already open, over the window the teacher is in.
    void showHelp();
    void followRoutine();

    CountingSession m_session;
    CountModel m_countModel;
    CountAloud m_countAloud{m_session, m_countModel};
    WindowMemory m_memory;
    Dialogs &m_dialogs;
    Clock &m_clock;
    EventPump &m_pump;
    MainWindow m_main;
    WindowPrompter m_prompter;
    WindowView m_view;
    RunLoop m_runLoop;
    QtPrinter m_printer;
    ListServices m_lists;
    QPointer<HelpViewer> m_help;
    // F1 gives the Help command, which a run disables.
    ApplicationKey m_helpKey{Qt::Key_F1, [this] { triggerIfAvailable(m_main.action(ToolbarCommand::Help)); }};
    QtPagePrinter m_pagePrinter;
    Graphs m_graphs;
    ClassAnswers m_classAnswers;
    QPointer<JoinCard> m_joinCard;  // the main window's
    HelperSpeaker *m_speaker = nullptr;
    CountBoards m_countBoards;
    BlockedPresses m_blockedPresses;
    std::function<void()> m_endProgram;
};
