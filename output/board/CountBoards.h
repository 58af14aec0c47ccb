#pragma once

// The count board as the lesson runs it.
//
// the run (each count shown, pauses, a new run) ──> CountBoards ──> one CountBoard per counter
// the counters (hidden, colours) and full screen ──> CountBoards ──> the board's place and look
//
// The toolbar's Count Board button shows and hides it, also while the class
// counts. In a window the board stands in its own window beside the main
// window; in full screen it shares the main window below the counters. The
// board reads every number from the run's history, so it is complete
// however late it is opened, and a new run clears it.

#include "engine/CountingSession.h"
#include "output/board/CountBoard.h"
#include "output/board/CountBoardPanel.h"
#include "output/board/CountBoardWindow.h"
#include "windows/WindowMemory.h"

#include <QObject>
#include <QPointer>

class CounterLabel;
class Dialogs;
class MainWindow;
class PagePrinter;
class QAbstractButton;

class CountBoards : public QObject {
    Q_OBJECT
public:
    CountBoards(const CountingSession &session, WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer);
    ~CountBoards() override;

    // Lets the toggle show and hide the board and follows the main window's
    // counters and full screen.
    void attach(MainWindow &mainWindow, QAbstractButton &toggle);

    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    CountBoardPanel *panel() const { return m_panel; }
    CountBoardWindow *window() const { return m_window; }

    // What the board follows: the run has shown count countIndex, as the
    // counters' texts (counter 2's only when in use).
    void countShown(const QString &counter1, const QString *counter2);
    void runningChanged(bool running);
    void pauseShown();

    // What a modal window kept from window at pos: the board takes what
    // landed on it, and a press's moves and lift. Whether it did.
    bool pointerWhileBlocked(QWidget *window, QPoint pos, BlockedPresses::Pointer what);

    // The counts that are hushed until the run pauses; none unless set.
    void setHushed(const CountBoard::Hushed &hushed);

private:
    void place();
    void revealThrough(int k);
    void followCounter(int index);
    bool eventFilter(QObject *watched, QEvent *event) override;

    const CountingSession &m_session;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
    QPointer<MainWindow> m_main;
    QPointer<QAbstractButton> m_toggle;
    QPointer<CountBoardPanel> m_panel;
    QPointer<CountBoardWindow> m_window;
    QList<QPointer<CounterLabel>> m_counters;
    bool m_shown = false;
};
