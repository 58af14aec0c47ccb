// Prints through the real QPrinter: on the test printer that scripts/test
// makes the default (a CUPS queue writing $TALLYVANE_TEST_PDF), with its queue
// refusing or holding jobs, and with no printer at all (CUPS_SERVER pointing
// nowhere).

#include "ListOutput.h"
#include "NumberText.h"
#include "Printer.h"
#include "PrinterQueueState.h"
#include "ScriptedDialogs.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool printerIdle(const QString &pdf)
{
    return QFile::exists(pdf) && PrinterQueueState::allJobsDone();
}

const QString noTestPrinter = QStringLiteral("No test printer: scripts/test starts one and sets TALLYVANE_TEST_PDF.");

} // namespace

class ListPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void printsOnTheDefaultPrinter();
    void jobRefusedByTheQueueIsReportedOnce_data();
    void jobRefusedByTheQueueIsReportedOnce();
    void noPrinterIsReportedOnce();

private:
    CountingSession m_session;
    ScriptedDialogs m_dialogs;
    QtPrinter m_printer;
    ListServices m_services{m_session, m_dialogs, m_printer};
};

void ListPrinterTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_session.countIndex = 199;  // more lines than one page holds
    for (int k = 0; k <= m_session.countIndex; ++k) {
        (*m_session.history1)[k] = 1000 + k;
        (*m_session.history2)[k] = -0.5 * k;
    }
}

void ListPrinterTest::printsOnTheDefaultPrinter()
{
    const QString pdf = qEnvironmentVariable("TALLYVANE_TEST_PDF");
    if (pdf.isEmpty())
        QSKIP(qPrintable(noTestPrinter));
    QFile::remove(pdf);

    printListTwoCounters(m_services);
    QVERIFY(m_dialogs.messages.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(printerIdle(pdf), 60000);

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    const QStringList pages = text.split(QChar('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() > 1, qPrintable(text.left(200)));
    QStringList printed;
    for (const QString &line : text.split(QChar('\n'))) {
        if (!line.trimmed().isEmpty())
            printed << line.simplified();
    }
    QStringList expected;
    for (int k = 0; k <= m_session.countIndex; ++k)
        expected << numberToText((*m_session.history1)[k]) + " " + numberToText((*m_session.history2)[k]);
    QCOMPARE(printed, expected);

    // Five empty lines of 12 points come before the first count.
    const QString words = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    const QRegularExpression firstWord(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\""));
    const QRegularExpressionMatch match = firstWord.match(words);
    QVERIFY(match.hasMatch());
    QVERIFY2(match.captured(1).toDouble() > 5 * 12, qPrintable(match.captured(0)));
}

void ListPrinterTest::jobRefusedByTheQueueIsReportedOnce_data()
{
    PrinterQueueState::addRows();
}

void ListPrinterTest::jobRefusedByTheQueueIsReportedOnce()
{
    QFETCH(QString, command);
    QFETCH(QString, undo);
    QFETCH(bool, refused);
    const QString pdf = qEnvironmentVariable("TALLYVANE_TEST_PDF");
    if (pdf.isEmpty())
        QSKIP(qPrintable(noTestPrinter));
    QFile::remove(pdf);
    {
        PrinterQueueState queue(command, undo);
        QVERIFY(queue.switched());
        printListOneCounter(m_services);
    }
    QCOMPARE(m_dialogs.messages, refused ? QList{Messages::listNotPrinted()} : QList<Message>{});
    // A held job is printed once the queue starts again.
    if (!refused)
        QTRY_VERIFY_WITH_TIMEOUT(printerIdle(pdf), 60000);
}

void ListPrinterTest::noPrinterIsReportedOnce()
{
    if (!qEnvironmentVariable("CUPS_SERVER").startsWith(QStringLiteral("/nonexistent/")))
        QSKIP("Runs with CUPS_SERVER pointing nowhere (ctest's tst_listprinter_none).");
    printListOneCounter(m_services);
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::listNotPrinted()});
}

QTEST_MAIN(ListPrinterTest)
#include "tst_listprinter.moc"
