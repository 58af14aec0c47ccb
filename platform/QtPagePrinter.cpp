#include "platform/QtPagePrinter.h"

#include "platform/PrintJob.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int printDotsPerInch = 300;
}

bool QtPagePrinter::printWidget(QWidget &widget)
{
    // With no printer at all QPrinter falls back to PDF output with no file,
    // and begin() below fails: that is how a missing printer shows.
    QPrinter printer;
    // A widget is printed as a picture, drawn at this resolution: sharp on
    // paper, yet a page picture of a few megabytes, not hundreds.
    printer.setResolution(printDotsPerInch);
    if (!m_pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfFile);
    }
    printer.setDocName(widget.window()->windowTitle());
    printer.setPageOrientation(widget.width() > widget.height() ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPainter painter;
    if (widget.size().isEmpty() || !printer.isValid() || !painter.begin(&printer))
        return false;
    // As large as the page allows, keeping the widget's shape, centred.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double scale = std::min(page.width() / widget.width(), page.height() / widget.height());
    painter.translate((page.width() - scale * widget.width()) / 2, (page.height() - scale * widget.height()) / 2);
    painter.scale(scale, scale);
    // Rendering the widget, not its scene, paints what the teacher sees even
    // if the widget has never been laid out on screen.
    widget.render(&painter);
    return painter.end() && printJobCreated(printer);
}
