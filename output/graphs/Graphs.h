#pragma once

#include "output/graphs/GraphPlan.h"
#include "windows/WindowMemory.h"

#include <QPointer>

#include <optional>

class Dialogs;
class PagePrinter;
class QWidget;
class GraphWindow;

// The graph operations reached from the pause dialog and the graph window.
// Each shows its graph in a modal graph window and returns when the teacher
// has closed it, or at once after a refusal message.
//
// The window's Line Graph and Bar Graph buttons replace it: the window
// closes, and as soon as its handler has returned the next window opens in
// its place, from the same call that opened the first. Opening it inside the
// handler instead would nest a window per press, each replaced window kept
// alive on the stack until the last one closed: a class pressing the buttons
// long enough would run the program out of memory.
class Graphs {
public:
    // mainWindow gives the graph window its first place and size, and is the
    // dialogs' parent again once no graph window is open.
    Graphs(const CountingSession &session, WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer, QWidget &mainWindow);
    ~Graphs();

    // Shows the graph window once where no one sees it, with a small graph at
    // the place and size of the first one, so that the first graph the teacher
    // opens finds the window, its picture, the chart machinery, fonts, letters
    // and icons ready, and paints as fast as later ones.
    void prepare();

    void showLineGraph();
    void showBarGraph();

    // The graph window on top, while one is open.
    GraphWindow *graphWindow() const;

private:
    void show(GraphKind kind);
    bool refused(GraphKind kind);
    // Where the graph window stands: where it stood last, or, the first
    // time, where the main window gives it room.
    WindowPlacement placement() const;
    GraphWindow *newWindow();
    void showWindow(GraphKind kind);

    const CountingSession &m_session;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
    QWidget &m_mainWindow;
    QPointer<GraphWindow> m_prepared;
    QPointer<GraphWindow> m_window;
    std::optional<GraphKind> m_next;
};
