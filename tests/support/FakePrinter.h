#pragma once

// A printer that keeps what it is given, and can be told to fail at one step.

#include "platform/Printer.h"

#include <QStringList>

#include <optional>

class FakePrinter : public Printer {
public:
    enum class Step { Begin, Line, End };

    bool beginDocument(int rightAlignedColumns) override
    {
        ++begun;
        columns.append(rightAlignedColumns);
        current.clear();
        return !failsAt(Step::Begin);
    }
    bool printLine(const QString &line) override
    {
        ++linesTried;
        if (failsAt(Step::Line) && failingLine == linesTried)
            return false;
        current.append(line);
        return true;
    }
    bool endDocument() override
    {
        if (failsAt(Step::End))
            return false;
        printed.append(current);
        current.clear();
        return true;
    }
    void abandonDocument() override
    {
        ++abandoned;
        current.clear();
    }

    // Fails at the given step; for Step::Line, at the given line (1 for the first).
    void failAt(Step step, int line = 1)
    {
        failingStep = step;
        failingLine = line;
    }

    QList<QStringList> printed;  // one entry per document handed to the printer
    QStringList current;
    QList<int> columns;  // the right-aligned columns of each document begun
    int begun = 0;
    int linesTried = 0;
    int abandoned = 0;

private:
    bool failsAt(Step step) const { return failingStep == step; }

    std::optional<Step> failingStep;
    int failingLine = 0;
};
