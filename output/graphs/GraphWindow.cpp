#include "output/graphs/GraphWindow.h"

#include "output/graphs/GraphChart.h"
#include "platform/Dialogs.h"
#include "platform/FileSaving.h"
#include "platform/PagePrinter.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "widgets/IconButton.h"
#include "widgets/Icons.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>
#include <QSvgGenerator>
#include <QWindow>

namespace {

constexpr double smallestSide = 3600;  // twips: the strip's buttons and a little chart

} // namespace

GraphWindow::GraphWindow(const CountingSession &session, WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Window), m_session(session), m_memory(memory), m_dialogs(dialogs), m_printer(printer)
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(tr("Tallyvane Graph"));
    setWindowIcon(programIcon());
    setMinimumSize(twipsSize(smallestSide, smallestSide));

    strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    saveButton = addStripButton(strip, QStringLiteral("cmdGraphSave"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Save Graph")), QStringLiteral("save"), 0);
    printButton = addStripButton(strip, QStringLiteral("cmdGraphPrint"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Print Graph")), QStringLiteral("print"), 600);
    barGraphButton = addStripButton(strip, QStringLiteral("cmdBar"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Bar Graph")), QStringLiteral("bar_graph"), 1800);
    lineGraphButton = addStripButton(strip, QStringLiteral("cmdLine"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Line Graph")), QStringLiteral("line_graph"), 2400);
    copyButton = addStripButton(strip, QStringLiteral("cmdGraphCopy"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Copy")), QStringLiteral("copy"), 3000);

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("Graph1"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->move(twipsPoint(0, chartTop));

    connect(saveButton, &QPushButton::clicked, this, &GraphWindow::saveGraph);
    connect(printButton, &QPushButton::clicked, this, &GraphWindow::printGraph);
    connect(barGraphButton, &QPushButton::clicked, this, &GraphWindow::barGraphRequested);
    connect(lineGraphButton, &QPushButton::clicked, this, &GraphWindow::requestLineGraph);
    connect(copyButton, &QPushButton::clicked, this, &GraphWindow::copyGraph);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &GraphWindow::copyGraph);

    takePlace(m_memory.graphPlacement);
}

void GraphWindow::takePlace(const WindowPlacement &placement)
{
    restorePlacement(placement, *this);
    // Made before, where no one saw it, the window has no frame yet, and Qt
    // would take the place for its inside: the place is its frame's.
    if (QWindow *made = windowHandle(); made && !isVisible())
        made->setFramePosition(pos());
    // At its final size before any chart arrives: a chart of thousands of points
    // is laid out once, not again when the window is shown.
    placeParts();
}

void GraphWindow::setChart(QChart *chart)
{
    QChart *old = chartView->chart();
    chartView->setChart(chart);
    delete old;
}

void GraphWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeParts();
}

void GraphWindow::placeParts()
{
    strip->resize(width(), twipsToPixels(stripHeight));
    chartView->resize(width(), std::max(0, height() - twipsToPixels(chartTop)));
}

void GraphWindow::done(int result)
{
    rememberPlacement(m_memory.graphPlacement, *this);
    QDialog::done(result);
}

void GraphWindow::requestLineGraph()
{
    close();
    emit lineGraphRequested();
}

void GraphWindow::printGraph()
{
    setAxisPoints(*chartView->chart(), printedAxisPoints);
    const bool printed = m_printer.printWidget(*chartView);
    setAxisPoints(*chartView->chart(), screenAxisPoints);
    if (!printed)
        m_dialogs.showMessage(Messages::graphNotPrinted(), this);
}

QImage GraphWindow::picture() const
{
    return chartView->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool GraphWindow::writeDrawing(QIODevice &file) const
{
    const QSize size = chartView->viewport()->size();
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator drawing;
    drawing.setOutputDevice(&buffer);
    drawing.setSize(size);
    drawing.setViewBox(QRect(QPoint(0, 0), size));
    drawing.setResolution(96);
    drawing.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&drawing))
        return false;
    // The window shows through around the chart's rounded corners.
    painter.fillRect(QRect(QPoint(0, 0), size), chartView->palette().brush(chartView->backgroundRole()));
    chartView->scene()->render(&painter, QRectF(QPointF(0, 0), size), chartView->sceneRect());
    painter.end();
    // The generator gives the size in millimetres, rounded, which renderers
    // may round up by a pixel; in pixels it is exact.
    static const QRegularExpression millimetres(QStringLiteral(R"(width="[^"]*mm" height="[^"]*mm")"));
    const QString pixels = QStringLiteral(R"(width="%1" height="%2")").arg(size.width()).arg(size.height());
    svg = QString::fromUtf8(svg).replace(millimetres, pixels).toUtf8();
    return file.write(svg) == svg.size();
}

void GraphWindow::saveGraph()
{
    const QList<SaveFormat> formats = {
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Bitmaps")), QStringLiteral("bmp"),
         [this](QIODevice &file) { return picture().save(&file, "BMP"); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "PNG Image")), QStringLiteral("png"),
         [this](QIODevice &file) { return picture().save(&file, "PNG"); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "SVG Drawing")), QStringLiteral("svg"), [this](QIODevice &file) { return writeDrawing(file); }},
    };
    if (saveWithDialog(m_dialogs, QStringLiteral("graph%1.bmp").arg(m_memory.graphFileNumber), formats,
                       Messages::graphNotSaved(), this))
        advanceFileNumber(m_memory.graphFileNumber);
}

void GraphWindow::copyGraph()
{
    QGuiApplication::clipboard()->setImage(picture());
}
