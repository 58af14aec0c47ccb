#include "frmGraph.h"

#include "Dialogs.h"
#include "FileSaving.h"
#include "GraphChart.h"
#include "IconButton.h"
#include "PagePrinter.h"
#include "Twips.h"

#include <limits>

namespace {

constexpr double smallestSide = 3000;  // twips: the strip's four buttons and a little chart

const QString bitmapFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*");

} // namespace

frmGraph::frmGraph(CountingSession &session, Dialogs &dialogs, PagePrinter &printer)
    : QDialog(nullptr, Qt::Window), m_session(session), m_dialogs(dialogs), m_printer(printer)
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("Tallyvane Graph"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
    setMinimumSize(twipsSize(smallestSide, smallestSide));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    cmdGraphSave = addButton("cmdGraphSave", QStringLiteral("Save Graph"), "save", 0);
    cmdGraphPrint = addButton("cmdGraphPrint", QStringLiteral("Print Graph"), "print", 600);
    cmdBar = addButton("cmdBar", QStringLiteral("Bar Graph"), "bar_graph", 1800);
    cmdLine = addButton("cmdLine", QStringLiteral("Line Graph"), "line_graph", 2400);

    Graph1 = new QChartView(this);
    Graph1->setObjectName(QStringLiteral("Graph1"));
    Graph1->setRenderHint(QPainter::Antialiasing);
    Graph1->move(twipsPoint(0, chartTop));

    connect(cmdGraphSave, &QPushButton::clicked, this, &frmGraph::saveGraph);
    connect(cmdGraphPrint, &QPushButton::clicked, this, &frmGraph::printGraph);
    connect(cmdBar, &QPushButton::clicked, this, &frmGraph::barGraphRequested);
    connect(cmdLine, &QPushButton::clicked, this, &frmGraph::cmdLine_Click);

    resize(twipsSize(m_session.graphWidth.value_or(0), m_session.graphHeight.value_or(0)));
    move(twipsPoint(m_session.graphLeft.value_or(0), m_session.graphTop.value_or(0)));
}

QPushButton *frmGraph::addButton(const char *name, const QString &tooltip, const char *icon, double left)
{
    QPushButton *button = makeIconButton(Picture1, QString::fromLatin1(name), tooltip, QString::fromLatin1(icon),
                                         QRect(twipsPoint(left, 0), twipsSize(buttonSize, buttonSize)));
    // Enter must not save or print by accident: only a tap does.
    button->setAutoDefault(false);
    return button;
}

void frmGraph::setChart(QChart *chart)
{
    QChart *old = Graph1->chart();
    Graph1->setChart(chart);
    delete old;
}

void frmGraph::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Picture1->resize(width(), twipsToPixels(stripHeight));
    Graph1->resize(width(), std::max(0, height() - twipsToPixels(chartTop)));
}

void frmGraph::done(int result)
{
    m_session.graphWidth = float(pixelsToTwips(width()));
    m_session.graphHeight = float(pixelsToTwips(height()));
    m_session.graphTop = float(pixelsToTwips(y()));
    m_session.graphLeft = float(pixelsToTwips(x()));
    QDialog::done(result);
}

void frmGraph::cmdLine_Click()
{
    close();
    emit lineGraphRequested();
}

void frmGraph::printGraph()
{
    setAxisPoints(*Graph1->chart(), printedAxisPoints);
    const bool printed = m_printer.printWidget(*Graph1);
    setAxisPoints(*Graph1->chart(), screenAxisPoints);
    if (!printed)
        m_dialogs.showMessage(Messages::graphNotPrinted(), this);
}

void frmGraph::saveGraph()
{
    const auto writeBitmap = [this](QIODevice &file) {
        return Graph1->grab().toImage().convertToFormat(QImage::Format_RGB32).save(&file, "BMP");
    };
    if (!saveWithDialog(m_dialogs, QStringLiteral("graph%1.bmp").arg(m_session.graphFileNumber), bitmapFilter,
                        writeBitmap, Messages::graphNotSaved(), this))
        return;
    if (m_session.graphFileNumber < std::numeric_limits<std::int16_t>::max())
        ++m_session.graphFileNumber;
}
