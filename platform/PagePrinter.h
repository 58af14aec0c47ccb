#pragma once

// Prints a widget, as it is shown, as one page on the default printer, with
// no printer dialog. Windows use this interface; tests hand them a double.

class QWidget;

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // False when nothing was printed: no printer, the printer failed, or its
    // queue refused the job.
    virtual bool printWidget(QWidget &widget) = 0;
};
