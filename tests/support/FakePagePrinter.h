#pragma once

#include "platform/PagePrinter.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// Records what would have been printed; fails on request.
class FakePagePrinter : public PagePrinter {
public:
    bool printWidget(QWidget &widget) override
    {
        printed.append(&widget);
        if (whilePrinting)
            whilePrinting(widget);
        return works;
    }

    bool works = true;
    std::function<void(QWidget &)> whilePrinting;
    QList<QPointer<QWidget>> printed;
};
