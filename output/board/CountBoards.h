#pragma once

// The count board as the lesson runs it.
//
// the count model (each count shown, a counter hidden) ──> CountBoards ──> one CountBoard per counter
// the run (pauses, a new run), the counters' colours and full screen ──> CountBoards ──> the board's place and look
//
// The toolbar's Count Board button shows and hides it, also while the class
// counts. In a window the board stands in its own window beside the main
// window; in full screen it shares the main window below the counters. The
// board reads every number from the run's history, so it is complete
// however late it is opened, and a new run clears it.

#include "engine/CountModel.h"
#include "engine/CountingSession.h"
#include "output/board/CountBoard.h"
#include "output/board/CountBoardPanel.h"
#include "output/board/CountBoardWindow.h"
#include "windows/WindowMemory.h"

#include <QObject>
#include <QPointer>

class Dialogs;
class PagePrinter;
class QAction;

class CountBoards : public QObject {
    Q_OBJECT
public:
    CountBoards(const CountingSession &session, const CountModel &model, WindowMemory &memory, Dialogs &dialogs,
                PagePrinter &printer);
    ~CountBoards() override;

    // Lets the toggle show and hide the board, beside the main window or,
    // while that is full screen, in it (fullScreenBoardChanged).
    void attach(QWidget &mainWindow, QAction &toggle);

    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    CountBoardPanel *panel() const { return m_panel; }
    CountBoardWindow *window() const { return m_window; }

    void runningChanged(bool running);
    void pauseShown();

    // What a modal window kept from window at pos: the board takes what
    // landed on it, and a press's moves and lift. Whether it did.
    bool pointerWhileBlocked(QWidget *window, QPoint pos, BlockedPresses::Pointer what);

    // The counts that are hushed until the run pauses; none unless set.
    void setHushed(const CountBoard::Hushed &hushed);

public slots:
    // The board of counter 1 or 2 in its counter's colours on the window's.
    void setColours(int counter, const QColor &text, const QColor &background);
    // The main window entered or left full screen.
    void place();

signals:
    // The panel the main window shows below its counters in full screen; none in a window.
    void fullScreenBoardChanged(QWidget *panel);

private:
    void countShown(int countIndex);
    void revealThrough(int k);

    const CountingSession &m_session;
    const CountModel &m_model;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
    QPointer<QWidget> m_main;
    QPointer<QAction> m_toggle;
    QPointer<CountBoardPanel> m_panel;
    QPointer<CountBoardWindow> m_window;
    bool m_shown = false;
};
