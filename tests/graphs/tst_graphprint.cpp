#include "output/graphs/GraphChart.h"
#include "output/graphs/GraphWindow.h"
#include "platform/QtPagePrinter.h"
#include "tests/support/PrinterQueueState.h"
#include "tests/support/ScriptedDialogs.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

int pixelsWhere(const QImage &image, const std::function<bool(QColor)> &test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

} // namespace

// Printing for real through QPrinter: to a PDF file, read back as a picture;
// on the test printer that scripts/test makes the default, with its queue
// refusing or holding jobs; and to a system without any printer (CUPS_SERVER
// pointing nowhere).
class GraphPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printedPageShowsTheChart();
    void jobRefusedByTheQueueIsAFailure_data();
    void jobRefusedByTheQueueIsAFailure();
    void noPrinterIsAFailure();

private:
    CountingSession m_session;
    WindowMemory m_memory;
    ScriptedDialogs m_dialogs;
};

void GraphPrintTest::printedPageShowsTheChart()
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QVERIFY2(!pdftoppm.isEmpty(), "pdftoppm (poppler-utils) is needed to read the printed page");
    QTemporaryDir dir;
    QtPagePrinter printer(dir.filePath(QStringLiteral("page.pdf")));

    m_session.counterCount = 2;
    m_session.countIndex = 20;
    for (int k = 0; k <= 20; ++k) {
        m_session.history1->record(std::size_t(k), double(3 * k));
        m_session.history2->record(std::size_t(k), double(60 - 3 * k));
    }
    m_memory.graphPlacement.size = QSizeF(9000, 6000);
    GraphWindow window(m_session, m_memory, m_dialogs, printer);
    window.setChart(buildChart(planGraph(m_session, GraphKind::Line)));
    window.show();
    // Printed at once, before the chart has ever been laid out or painted.
    QVERIFY(printer.printWidget(*window.chartView));

    QCOMPARE(QProcess::execute(pdftoppm, {"-r", "30", "-png", "-singlefile", dir.filePath("page.pdf"),
                                          dir.filePath("page")}),
             0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    QVERIFY(page.width() > page.height());  // a wide chart prints across the page
    const int inked = pixelsWhere(page, [](QColor c) { return c.lightness() < 200; });
    const int red = pixelsWhere(page, [](QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; });
    const int blue = pixelsWhere(page, [](QColor c) { return c.blue() > 200 && c.red() < 90 && c.green() < 90; });
    QVERIFY2(inked > page.width() * page.height() / 100, "the page is almost blank");
    QVERIFY(red > 20);
    QVERIFY(blue > 20);
}

void GraphPrintTest::jobRefusedByTheQueueIsAFailure_data()
{
    PrinterQueueState::addRows();
}

void GraphPrintTest::jobRefusedByTheQueueIsAFailure()
{
    QFETCH(QString, command);
    QFETCH(QString, undo);
    QFETCH(bool, refused);
    if (qEnvironmentVariableIsEmpty("TALLYVANE_TEST_PDF"))
        QSKIP("No test printer: scripts/test starts one and sets TALLYVANE_TEST_PDF.");
    m_dialogs = ScriptedDialogs();
    m_session.countIndex = 5;
    QtPagePrinter printer;
    GraphWindow window(m_session, m_memory, m_dialogs, printer);
    window.setChart(buildChart(planGraph(m_session, GraphKind::Line)));
    window.show();
    {
        PrinterQueueState queue(command, undo);
        QVERIFY(queue.switched());
        window.printButton->click();
    }
    QCOMPARE(m_dialogs.messages, refused ? QList{Messages::graphNotPrinted()} : QList<Message>{});
    QVERIFY(window.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(PrinterQueueState::allJobsDone(), 60000);
}

void GraphPrintTest::noPrinterIsAFailure()
{
    if (!qEnvironmentVariable("CUPS_SERVER").startsWith(QStringLiteral("/nonexistent/")))
        QSKIP("Runs with CUPS_SERVER pointing nowhere (ctest's tst_graphprint_none).");
    QWidget widget;
    widget.resize(200, 100);
    QtPagePrinter printer;
    QVERIFY(!printer.printWidget(widget));
}

QTEST_MAIN(GraphPrintTest)

#include "tst_graphprint.moc"
