#include "platform/Printer.h"

#include "platform/PrintJob.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTextOption>

#include <algorithm>

namespace {
constexpr int fontPoints = 12;
// QTextOption measures tab stops in 1/96 inch on every device.
constexpr double tabUnitsPerInch = 96;
constexpr double tabStop = 2 * tabUnitsPerInch;
} // namespace

QtPrinter::QtPrinter() : m_font(QStringLiteral("Arial"), fontPoints)
{
}

QtPrinter::~QtPrinter()
{
    abandonDocument();
}

bool QtPrinter::beginDocument(int rightAlignedColumns)
{
    abandonDocument();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(QStringLiteral("Tallyvane"));
    if (!m_painter.begin(m_printer.get())) {
        m_printer.reset();
        return false;
    }
    m_painter.setFont(m_font);
    m_lineHeight = QFontMetricsF(m_font, m_printer.get()).lineSpacing();
    m_y = 0;
    m_lineLayout = QTextOption(Qt::AlignLeft | Qt::AlignTop);
    m_lineLayout.setWrapMode(QTextOption::NoWrap);
    if (rightAlignedColumns > 0) {
        const double pageWidth = m_printer->width() * tabUnitsPerInch / m_printer->logicalDpiX();
        const double columnWidth = std::min(tabStop, pageWidth / rightAlignedColumns);
        QList<QTextOption::Tab> tabs;
        for (int column = 1; column <= rightAlignedColumns; ++column)
            tabs.append(QTextOption::Tab(column * columnWidth, QTextOption::RightTab));
        m_lineLayout.setTabs(tabs);
    } else {
        m_lineLayout.setTabStopDistance(tabStop);
    }
    return !failed();
}

bool QtPrinter::printLine(const QString &line)
{
    if (!m_painter.isActive())
        return false;
    if (m_y + m_lineHeight > m_printer->height()) {
        if (!m_printer->newPage())
            return false;
        m_y = 0;
    }
    if (!line.isEmpty())
        m_painter.drawText(QRectF(0, m_y, m_printer->width(), m_lineHeight), line, m_lineLayout);
    m_y += m_lineHeight;
    return !failed();
}

bool QtPrinter::endDocument()
{
    if (!m_painter.isActive())
        return false;
    const bool ended = m_painter.end() && printJobCreated(*m_printer);
    m_printer.reset();
    return ended;
}

void QtPrinter::abandonDocument()
{
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
    m_printer.reset();
}

bool QtPrinter::failed() const
{
    return m_printer->printerState() == QPrinter::Error;
}
