#pragma once

#include "GraphPlan.h"

#include <QPointer>

class Dialogs;
class PagePrinter;
class QWidget;
class frmGraph;

// The graph operations reached from the pause dialog and the graph window.
// Each shows its graph in a new modal graph window and returns when that
// window has closed, or at once after a refusal message. The window's Line
// Graph and Bar Graph buttons replace it from inside their own handlers, so
// windows nest on the call stack: each is closed before the next opens, and
// each is destroyed only after its handler has returned.
class Graphs {
public:
    // mainWindow gives the graph window its first place and size, and is the
    // dialogs' parent again once no graph window is open.
    Graphs(CountingSession &session, Dialogs &dialogs, PagePrinter &printer, QWidget &mainWindow);

    void showLineGraph();
    // Closes the open graph window before anything else.
    void showBarGraph();

    // The graph window on top, while one is open.
    frmGraph *graphWindow() const;

private:
    void closeGraphWindow();
    bool refused(GraphKind kind);
    void showGraph(GraphKind kind);

    CountingSession &m_session;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
    QWidget &m_mainWindow;
    QPointer<frmGraph> m_window;
};
