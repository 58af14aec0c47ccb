#pragma once

// The graph window: a strip of picture buttons above the chart. It shows
// whatever chart it is handed, prints it, saves it as a bitmap, a PNG image or
// an SVG drawing, and copies its picture; the Line Graph and Bar Graph buttons
// only ask for a graph of either kind, which replaces the window by a new one.

#include "engine/CountingSession.h"
#include "windows/WindowMemory.h"

#include <QChartView>
#include <QDialog>
#include <QPushButton>

class Dialogs;
class PagePrinter;

class GraphWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr double stripHeight = 655;  // twips
    static constexpr double chartTop = 690;     // twips
    static constexpr double buttonSize = 600;   // twips

    // Takes the remembered place and size from the memory.
    // A window of its own, owned by the main window when one is given.
    GraphWindow(const CountingSession &session, WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer, QWidget *mainWindow = nullptr);

    // Takes this place and size, with the chart laid out at the size.
    void takePlace(const WindowPlacement &placement);
    // Shows the chart in chartView, which owns it from then on.
    void setChart(QChart *chart);

    void printGraph();
    void saveGraph();
    // Ctrl+C does it too.
    void copyGraph();

    QWidget *strip;
    QPushButton *saveButton;
    QPushButton *printButton;
    QPushButton *barGraphButton;
    QPushButton *lineGraphButton;
    QPushButton *copyButton;
    QChartView *chartView;

signals:
    // Emitted after the window has closed.
    void lineGraphRequested();
    // The window is still open; whoever takes the request closes it.
    void barGraphRequested();

public slots:
    // Every way of closing the window ends here; it remembers place and size.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeParts();
    void requestLineGraph();
    // The chart as shown, at the screen's scale.
    QImage picture() const;
    bool writeDrawing(QIODevice &file) const;

    const CountingSession &m_session;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
};
