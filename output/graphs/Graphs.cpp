#include "Graphs.h"

#include "Dialogs.h"
#include "GraphChart.h"
#include "Twips.h"
#include "frmGraph.h"

#include <QWidget>

Graphs::Graphs(CountingSession &session, Dialogs &dialogs, PagePrinter &printer, QWidget &mainWindow)
    : m_session(session), m_dialogs(dialogs), m_printer(printer), m_mainWindow(mainWindow)
{
}

void Graphs::showLineGraph()
{
    closeGraphWindow();
    if (refused(GraphKind::Line))
        return;
    if (!m_session.graphPlaced) {
        const QWidget &main = m_mainWindow;
        const TwipsGeometry first = firstGraphGeometry({pixelsToTwips(main.x()), pixelsToTwips(main.y()),
                                                        pixelsToTwips(main.width()), pixelsToTwips(main.height())});
        m_session.graphLeft = float(first.left);
        m_session.graphTop = float(first.top);
        m_session.graphWidth = float(first.width);
        m_session.graphHeight = float(first.height);
    }
    m_session.graphPlaced = true;
    showGraph(GraphKind::Line);
}

void Graphs::showBarGraph()
{
    closeGraphWindow();
    if (refused(GraphKind::Bar))
        return;
    showGraph(GraphKind::Bar);
}

frmGraph *Graphs::graphWindow() const
{
    return m_window;
}

void Graphs::closeGraphWindow()
{
    if (m_window && m_window->isVisible())
        m_window->close();
}

bool Graphs::refused(GraphKind kind)
{
    const std::optional<Message> refusal = graphRefusal(kind, m_session.counterCount, m_session.countIndex);
    if (refusal)
        m_dialogs.showMessage(*refusal);
    return refusal.has_value();
}

void Graphs::showGraph(GraphKind kind)
{
    frmGraph window(m_session, m_dialogs, m_printer);
    window.setChart(buildChart(planGraph(m_session, kind)));
    QObject::connect(&window, &frmGraph::lineGraphRequested, &window, [this] { showLineGraph(); });
    QObject::connect(&window, &frmGraph::barGraphRequested, &window, [this] { showBarGraph(); });

    m_window = &window;
    m_dialogs.setParentWindow(&window);
    window.exec();
    m_dialogs.setParentWindow(&m_mainWindow);
}
