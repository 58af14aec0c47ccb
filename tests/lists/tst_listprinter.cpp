// Prints through the real QPrinter: on the test printer that scripts/test
// makes the default (a CUPS queue writing $TALLYVANE_TEST_PDF), with its queue
// refusing or holding jobs, and with no printer at all (CUPS_SERVER pointing
// nowhere).

#include "output/lists/ListOutput.h"
#include "platform/Printer.h"
#include "tests/support/PrinterQueueState.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QMap>
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
    void printsOnTheDefaultPrinter_data();
    void printsOnTheDefaultPrinter();
    void jobRefusedByTheQueueIsReportedOnce_data();
    void jobRefusedByTheQueueIsReportedOnce();
    void noPrinterIsReportedOnce();

private:
    CountingSession m_session;
    WindowMemory m_memory;
    ScriptedDialogs m_dialogs;
    QtPrinter m_printer;
    ListServices m_services{m_session, m_memory, m_dialogs, m_printer};
};

void ListPrinterTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_memory.listShowsSteps = false;
    m_session.countIndex = 199;  // more lines than one page holds
    for (int k = 0; k <= m_session.countIndex; ++k) {
        m_session.history1->record(std::size_t(k), double(1000 + k));
        m_session.history2->record(std::size_t(k), double(-0.5 * k));
    }
}

void ListPrinterTest::printsOnTheDefaultPrinter_data()
{
    QTest::addColumn<bool>("steps");
    QTest::newRow("numbers at the left tab stops") << false;
    QTest::newRow("steps in right-aligned columns") << true;
}

void ListPrinterTest::printsOnTheDefaultPrinter()
{
    QFETCH(bool, steps);
    const QString pdf = qEnvironmentVariable("TALLYVANE_TEST_PDF");
    if (pdf.isEmpty())
        QSKIP(qPrintable(noTestPrinter));
    QFile::remove(pdf);

    m_memory.listShowsSteps = steps;
    printList(m_services, ListKind::TwoCounters, nullptr);
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
    for (const QString &line : tabSeparatedLines(shownList(m_services, ListKind::TwoCounters)))
        expected << line.simplified();
    QCOMPARE(printed, expected);

    // Five empty lines of 12 points come before the first count; the first
    // column's numbers start, or with steps end, at one place.
    const QString words = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    static const QRegularExpression word(QStringLiteral(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)")re"));
    QMap<double, QPair<double, double>> firstWords;  // by line: left and right edge
    for (auto it = word.globalMatch(words); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const double left = match.captured(1).toDouble();
        auto found = firstWords.find(match.captured(2).toDouble());
        if (found == firstWords.end() || left < found->first)
            firstWords.insert(match.captured(2).toDouble(), {left, match.captured(3).toDouble()});
    }
    QVERIFY(firstWords.size() > 10);
    QVERIFY2(firstWords.firstKey() > 5 * 12, qPrintable(QString::number(firstWords.firstKey())));
    for (const auto &[left, right] : std::as_const(firstWords)) {
        const double edge = steps ? right : left;
        const double firstEdge = steps ? firstWords.first().second : firstWords.first().first;
        QVERIFY2(std::abs(edge - firstEdge) < 0.5, qPrintable(QStringLiteral("%1 %2").arg(edge).arg(firstEdge)));
    }
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
        printList(m_services, ListKind::OneCounter, nullptr);
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
    printList(m_services, ListKind::OneCounter, nullptr);
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::listNotPrinted()});
}

QTEST_MAIN(ListPrinterTest)
#include "tst_listprinter.moc"
