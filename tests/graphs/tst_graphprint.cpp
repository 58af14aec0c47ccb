#include "GraphChart.h"
#include "QtPagePrinter.h"
#include "ScriptedDialogs.h"
#include "frmGraph.h"

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

// Printing for real through QPrinter: to a PDF file, read back as a picture,
// and to a system without any printer.
class GraphPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printedPageShowsTheChart();
    void noPrinterIsAFailure();

private:
    CountingSession m_session;
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
        (*m_session.history1)[k] = 3 * k;
        (*m_session.history2)[k] = 60 - 3 * k;
    }
    m_session.graphWidth = 9000;
    m_session.graphHeight = 6000;
    frmGraph window(m_session, m_dialogs, printer);
    window.setChart(buildChart(planGraph(m_session, GraphKind::Line)));
    window.show();
    // Printed at once, before the chart has ever been laid out or painted.
    QVERIFY(printer.printWidget(*window.Graph1));

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

void GraphPrintTest::noPrinterIsAFailure()
{
    QWidget widget;
    widget.resize(200, 100);
    QtPagePrinter printer;
    QVERIFY(!printer.printWidget(widget));
}

int main(int argc, char *argv[])
{
    // No print server answers here, so the system has no printer at all.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    QApplication app(argc, argv);
    GraphPrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_graphprint.moc"
