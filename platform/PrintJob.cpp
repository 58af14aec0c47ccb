#include "platform/PrintJob.h"

#include <QPrinter>

#include <cups/cups.h>

bool printJobCreated(const QPrinter &printer)
{
    if (printer.printerState() == QPrinter::Error)
        return false;
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return true;
    // Qt hands the ended document to CUPS as its last CUPS call and ignores
    // the answer, which CUPS keeps for this thread.
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}
