#pragma once

#include "PagePrinter.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// Records what would have been printed; fails on request.
class FakePagePrinter : public PagePrinter {
public:
    bool printWidget(QWidget &widget) override
    {
        printed.append(&widget);
        return works;
    }

    bool works = true;
    QList<QPointer<QWidget>> printed;
};
