#include "frmGraph.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "GraphChart.h"
#include "IconButton.h"
#include "PagePrinter.h"
#include "ScreenPlacement.h"
#include "Twips.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>
#include <QSvgGenerator>

namespace {

constexpr double smallestSide = 3600;  // twips: the strip's buttons and a little chart

} // namespace

frmGraph::frmGraph(CountingSession &session, Dialogs &dialogs, PagePrinter &printer, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Window), m_session(session), m_dialogs(dialogs), m_printer(printer)
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(tr("Tallyvane Graph"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
    setMinimumSize(twipsSize(smallestSide, smallestSide));

    strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    cmdGraphSave = addStripButton(strip, QStringLiteral("cmdGraphSave"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Save Graph")), QStringLiteral("save"), 0);
    cmdGraphPrint = addStripButton(strip, QStringLiteral("cmdGraphPrint"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Print Graph")), QStringLiteral("print"), 600);
    cmdBar = addStripButton(strip, QStringLiteral("cmdBar"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Bar Graph")), QStringLiteral("bar_graph"), 1800);
    cmdLine = addStripButton(strip, QStringLiteral("cmdLine"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Line Graph")), QStringLiteral("line_graph"), 2400);
    cmdGraphCopy = addStripButton(strip, QStringLiteral("cmdGraphCopy"), QStringLiteral(QT_TRANSLATE_NOOP("IconButton", "Copy")), QStringLiteral("copy"), 3000);

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("Graph1"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->move(twipsPoint(0, chartTop));

    connect(cmdGraphSave, &QPushButton::clicked, this, &frmGraph::saveGraph);
    connect(cmdGraphPrint, &QPushButton::clicked, this, &frmGraph::printGraph);
    connect(cmdBar, &QPushButton::clicked, this, &frmGraph::barGraphRequested);
    connect(cmdLine, &QPushButton::clicked, this, &frmGraph::cmdLine_Click);
    connect(cmdGraphCopy, &QPushButton::clicked, this, &frmGraph::copyGraph);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &frmGraph::copyGraph);

    restorePlacement(m_session.graphPlacement, *this);
}

void frmGraph::setChart(QChart *chart)
{
    QChart *old = chartView->chart();
    chartView->setChart(chart);
    delete old;
}

void frmGraph::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    strip->resize(width(), twipsToPixels(stripHeight));
    chartView->resize(width(), std::max(0, height() - twipsToPixels(chartTop)));
}

void frmGraph::done(int result)
{
    rememberPlacement(m_session.graphPlacement, *this);
    QDialog::done(result);
}

void frmGraph::cmdLine_Click()
{
    close();
    emit lineGraphRequested();
}

void frmGraph::printGraph()
{
    setAxisPoints(*chartView->chart(), printedAxisPoints);
    const bool printed = m_printer.printWidget(*chartView);
    setAxisPoints(*chartView->chart(), screenAxisPoints);
    if (!printed)
        m_dialogs.showMessage(Messages::graphNotPrinted(), this);
}

QImage frmGraph::picture() const
{
    return chartView->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool frmGraph::writeDrawing(QIODevice &file) const
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

void frmGraph::saveGraph()
{
    const QList<SaveFormat> formats = {
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Bitmaps")), QStringLiteral("bmp"),
         [this](QIODevice &file) { return picture().save(&file, "BMP"); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "PNG Image")), QStringLiteral("png"),
         [this](QIODevice &file) { return picture().save(&file, "PNG"); }},
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "SVG Drawing")), QStringLiteral("svg"), [this](QIODevice &file) { return writeDrawing(file); }},
    };
    if (saveWithDialog(m_dialogs, QStringLiteral("graph%1.bmp").arg(m_session.graphFileNumber), formats,
                       Messages::graphNotSaved(), this))
        advanceFileNumber(m_session.graphFileNumber);
}

void frmGraph::copyGraph()
{
    QGuiApplication::clipboard()->setImage(picture());
}
