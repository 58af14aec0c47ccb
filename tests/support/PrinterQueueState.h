#pragma once

// The default printer's queue switched by a CUPS administration command for
// as long as the object lives, and switched back however the test ends:
// "cupsreject" (refuses new jobs) with "cupsaccept", "cupsdisable" (holds
// them unprinted) with "cupsenable".

#include <QPrinterInfo>
#include <QProcess>
#include <QString>
#include <QTest>

class PrinterQueueState {
public:
    PrinterQueueState(const QString &command, QString undo)
        : m_queue(QPrinterInfo::defaultPrinterName()), m_undo(std::move(undo))
    {
        m_switched = !m_queue.isEmpty() && QProcess::execute(command, {m_queue}) == 0;
    }
    ~PrinterQueueState()
    {
        if (!m_queue.isEmpty())
            QProcess::execute(m_undo, {m_queue});
    }
    PrinterQueueState(const PrinterQueueState &) = delete;
    PrinterQueueState &operator=(const PrinterQueueState &) = delete;

    bool switched() const { return m_switched; }

    // A data table of the two: "command", "undo", and whether the job is
    // "refused".
    static void addRows()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<bool>("refused");
        QTest::newRow("queue refusing jobs") << "cupsreject" << "cupsaccept" << true;
        QTest::newRow("queue stopped, holding the job") << "cupsdisable" << "cupsenable" << false;
    }

    // No job waits in any queue.
    static bool allJobsDone()
    {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        return lpstat.waitForFinished(30000) && lpstat.readAllStandardOutput().trimmed().isEmpty();
    }

private:
    QString m_queue;
    QString m_undo;
    bool m_switched = false;
};
