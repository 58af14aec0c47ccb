#include "frmGraph.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "GraphChart.h"
#include "IconButton.h"
#include "PagePrinter.h"
#include "ScreenPlacement.h"
#include "Twips.h"


namespace {

constexpr double smallestSide = 3000;  // twips: the strip's four buttons and a little chart

//: The descriptions, between the bars, are translated; the patterns stay as they are.
const QString bitmapFilter = QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*"));

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

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("Graph1"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->move(twipsPoint(0, chartTop));

    connect(cmdGraphSave, &QPushButton::clicked, this, &frmGraph::saveGraph);
    connect(cmdGraphPrint, &QPushButton::clicked, this, &frmGraph::printGraph);
    connect(cmdBar, &QPushButton::clicked, this, &frmGraph::barGraphRequested);
    connect(cmdLine, &QPushButton::clicked, this, &frmGraph::cmdLine_Click);

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

void frmGraph::saveGraph()
{
    const auto writeBitmap = [this](QIODevice &file) {
        return chartView->grab().toImage().convertToFormat(QImage::Format_RGB32).save(&file, "BMP");
    };
    if (saveWithDialog(m_dialogs, QStringLiteral("graph%1.bmp").arg(m_session.graphFileNumber), bitmapFilter,
                       writeBitmap, Messages::graphNotSaved(), this))
        advanceFileNumber(m_session.graphFileNumber);
}
