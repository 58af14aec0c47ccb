#pragma once

// The system's default printer as the program uses it: one document at a
// time, written line by line from the top of the page, with no printer
// dialog. Every step says whether it worked, so the caller can stop at the
// first failure and tell the teacher once.

#include <QFont>
#include <QPainter>
#include <QString>
#include <QTextOption>

#include <memory>

class QPrinter;

class Printer {
public:
    virtual ~Printer() = default;
    // With no columns, a tab in a line moves to the next left tab stop,
    // every 2 inches. With columns, each tab starts the next column: the
    // columns share the page's width, at most 2 inches each, and the text
    // after a tab ends at its column's right edge.
    virtual bool beginDocument(int rightAlignedColumns) = 0;
    // Continues on a new page when the page is full; an empty line only moves down.
    virtual bool printLine(const QString &line) = 0;
    // Hands the document to the printer; false when the print system
    // refuses it, as a queue that accepts no jobs does.
    virtual bool endDocument() = 0;
    // Drops the document begun, if any: nothing of it is printed.
    virtual void abandonDocument() = 0;
};

// Prints through QPrinter on the default printer. Where there is no printer,
// QPrinter falls back to writing a PDF file it has no name for, and
// beginDocument fails.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool beginDocument(int rightAlignedColumns) override;
    bool printLine(const QString &line) override;
    bool endDocument() override;
    void abandonDocument() override;

private:
    bool failed() const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    QTextOption m_lineLayout;
    double m_lineHeight = 0;
    double m_y = 0;
};
