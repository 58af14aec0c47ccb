#include "output/graphs/Graphs.h"

#include "output/graphs/GraphChart.h"
#include "output/graphs/GraphWindow.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"

#include <QWidget>

#include <memory>
#include <utility>

Graphs::Graphs(const CountingSession &session, WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer,
               QWidget &mainWindow)
    : m_session(session), m_memory(memory), m_dialogs(dialogs), m_printer(printer), m_mainWindow(mainWindow)
{
}

Graphs::~Graphs()
{
    delete m_prepared;
}

void Graphs::prepare()
{
    if (m_window || m_prepared)
        return;
    static const double values[] = {1, 2};
    const GraphPlan plan{GraphKind::Line, {GraphSeries{QStringLiteral("1"), values, counter1Red, MarkerShape::Circle}},
                         false, niceScale(0, 1), niceScale(1, 2)};
    m_prepared = newWindow();
    m_prepared->takePlace(placement());
    m_prepared->setChart(buildChart(plan));
    // Shown and painted where no one sees it: the window keeps what its
    // first paint made, its picture among it.
    m_prepared->setAttribute(Qt::WA_DontShowOnScreen);
    m_prepared->show();
    m_prepared->repaint();
    m_prepared->hide();
    m_prepared->setAttribute(Qt::WA_DontShowOnScreen, false);
}

void Graphs::showLineGraph()
{
    show(GraphKind::Line);
}

void Graphs::showBarGraph()
{
    show(GraphKind::Bar);
}

GraphWindow *Graphs::graphWindow() const
{
    return m_window;
}

void Graphs::show(GraphKind kind)
{
    m_next = kind;
    // Asked from an open graph window: it closes, and the loop below, which
    // is showing it, takes the next graph once the window's handler is done.
    if (m_window) {
        m_window->close();
        return;
    }
    while (m_next) {
        const GraphKind next = *std::exchange(m_next, std::nullopt);
        if (refused(next))
            return;
        if (next == GraphKind::Line)
            m_memory.graphPlacement = placement();
        showWindow(next);
    }
}

bool Graphs::refused(GraphKind kind)
{
    const std::optional<Message> refusal = graphRefusal(kind, m_session.counterCount, m_session.countIndex);
    if (refusal)
        m_dialogs.showMessage(*refusal, &m_mainWindow);
    return refusal.has_value();
}

WindowPlacement Graphs::placement() const
{
    WindowPlacement placement = m_memory.graphPlacement;
    if (!placement.placed) {
        const QWidget &main = m_mainWindow;
        const TwipsGeometry first = firstGraphGeometry({pixelsToTwips(main.x()), pixelsToTwips(main.y()),
                                                        pixelsToTwips(main.width()), pixelsToTwips(main.height())});
        placement.topLeft = QPointF(first.left, first.top);
        placement.size = QSizeF(first.width, first.height);
    }
    placement.placed = true;
    return placement;
}

GraphWindow *Graphs::newWindow()
{
    auto *window = new GraphWindow(m_session, m_memory, m_dialogs, m_printer, &m_mainWindow);
    QObject::connect(window, &GraphWindow::lineGraphRequested, window, [this] { showLineGraph(); });
    QObject::connect(window, &GraphWindow::barGraphRequested, window, [this] { showBarGraph(); });
    return window;
}

void Graphs::showWindow(GraphKind kind)
{
    // A window serves one graph: shown again, a window manager may place it
    // by its frame where it was placed by its inside.
    const std::unique_ptr<GraphWindow> window(m_prepared ? m_prepared.data() : newWindow());
    m_prepared = nullptr;
    window->takePlace(m_memory.graphPlacement);
    window->setChart(buildChart(planGraph(m_session, kind), window->chartView->size()));
    m_window = window.get();
    window->exec();
}
