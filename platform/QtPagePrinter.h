#pragma once

#include "platform/PagePrinter.h"

#include <QString>

// Prints through QPrinter: to the system's default printer, or, when given a
// file name, to that PDF file.
class QtPagePrinter : public PagePrinter {
public:
    QtPagePrinter() = default;
    explicit QtPagePrinter(QString pdfFile) : m_pdfFile(std::move(pdfFile)) {}

    bool printWidget(QWidget &widget) override;

private:
    QString m_pdfFile;
};
