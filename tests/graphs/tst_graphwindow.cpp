#include "output/graphs/Graphs.h"
#include "platform/Twips.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/FakePagePrinter.h"
#include "tests/support/FullDisk.h"
#include "tests/support/GraphSteps.h"
#include "tests/support/ScriptedDialogs.h"

#include <QBarSeries>
#include <QBarSet>
#include <QClipboard>
#include <QFontDatabase>
#include <QImageReader>
#include <QtEndian>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Rig {
    CountingSession session;
    WindowMemory memory;
    ScriptedDialogs dialogs;
    FakePagePrinter printer;
    QWidget mainWindow;
    Graphs graphs{session, memory, dialogs, printer, mainWindow};
    GraphSteps steps;
    // How many graph windows were visible whenever a message came up.
    QList<int> visibleAtMessages;

    // Counter 1 counts 1, 2, 3 …; counter 2 stays at 0.
    Rig(int counters, int n)
    {
        session.counterCount = std::int16_t(counters);
        session.countIndex = std::int16_t(n);
        for (int k = 0; k <= n; ++k)
            session.history1->record(std::size_t(k), double(k + 1));
        mainWindow.setGeometry(100, 80, 800, 600);
        dialogs.onMessage = [this](const Message &) { visibleAtMessages.append(int(GraphSteps::visibleWindows().size())); };
    }
};

// Points per counter and counters drawn, whatever the kind of graph.
struct Drawn {
    int counters = 0;
    int points = 0;
    friend bool operator==(const Drawn &, const Drawn &) = default;
};

Drawn drawn(const GraphWindow &window)
{
    Drawn drawn;
    for (QAbstractSeries *series : window.chartView->chart()->series()) {
        if (auto *line = qobject_cast<QLineSeries *>(series)) {
            // A long line holds only the points its drawing needs, up to the last.
            ++drawn.counters;
            drawn.points = int(line->points().back().x()) + 1;
        } else if (auto *bars = qobject_cast<QBarSeries *>(series)) {
            drawn.counters += int(bars->count());
            drawn.points = int(bars->barSets().front()->count());
        }
    }
    return drawn;
}

int pixelsLike(const QImage &image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 40 && qAbs(pixel.green() - colour.green()) < 40
                && qAbs(pixel.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

// The chart drawn in red and blue, at the given size.
void verifyChartPicture(const QImage &image, QSize size)
{
    QCOMPARE(image.size(), size);
    QVERIFY(pixelsLike(image, counter1Red) > 50);
    QVERIFY(pixelsLike(image, counter2Blue) > 50);
}

} // namespace

Q_DECLARE_METATYPE(QList<Message>)
Q_DECLARE_METATYPE(Drawn)

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void limitsThroughTheWindows_data();
    void limitsThroughTheWindows();
    void barGraphAloneRefusesTooFewValues();
    void stripAboveTheChart();
    void switchingReplacesTheWindow();
    void placeAndSizeSurviveSwitchingAndReopening();
    void dialogsBelongToTheGraphWindow();
    void printing_data();
    void printing();
    void savingSuggestsNumberedNames();
    void savedBitmapIsTheChart();
    void savedPicturesOpenInTheStandardTools_data();
    void savedPicturesOpenInTheStandardTools();
    void copyPutsThePictureOnTheClipboard();
    void enterNeitherSavesNorPrints();
    void failedSaveLeavesTheFolderAsItWas_data();
    void failedSaveLeavesTheFolderAsItWas();
};

// Graph is pressed at a pause; in the line graph window, Bar Graph may be
// pressed. Each window shown, and every message, in order.
void GraphWindowTest::limitsThroughTheWindows_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("pressBar");
    QTest::addColumn<QList<Drawn>>("windows");
    QTest::addColumn<QList<Message>>("messages");
    const QList<Message> none;
    QTest::newRow("one counter, N 1") << 1 << 1 << false << QList<Drawn>{} << QList{Messages::notEnoughToGraph()};
    QTest::newRow("two counters, N 1") << 2 << 1 << false << QList<Drawn>{} << QList{Messages::notEnoughToGraph()};
    QTest::newRow("N 2") << 1 << 2 << true << QList<Drawn>{{1, 3}, {1, 3}} << none;
    QTest::newRow("one counter, N 3797") << 1 << 3797 << false << QList<Drawn>{{1, 3798}} << none;
    QTest::newRow("one counter, N 3798") << 1 << 3798 << false << QList<Drawn>{} << QList{Messages::tooManyToGraph()};
    QTest::newRow("two counters, N 1898") << 2 << 1898 << false << QList<Drawn>{{2, 1899}} << none;
    QTest::newRow("two counters, N 1899") << 2 << 1899 << false << QList<Drawn>{} << QList{Messages::tooManyToGraph()};
    QTest::newRow("bars, one counter, N 200") << 1 << 200 << true << QList<Drawn>{{1, 201}, {1, 201}} << none;
    QTest::newRow("bars, one counter, N 201")
        << 1 << 201 << true << QList<Drawn>{{1, 202}} << QList{Messages::tooManyForBars()};
    QTest::newRow("bars, two counters, N 100") << 2 << 100 << true << QList<Drawn>{{2, 101}, {2, 101}} << none;
    QTest::newRow("bars, two counters, N 101")
        << 2 << 101 << true << QList<Drawn>{{2, 102}} << QList{Messages::tooManyForBars()};
    QTest::newRow("bars, two counters, N 150")
        << 2 << 150 << true << QList<Drawn>{{2, 151}} << QList{Messages::tooManyForBars()};
}

void GraphWindowTest::limitsThroughTheWindows()
{
    QFETCH(int, counters);
    QFETCH(int, n);
    QFETCH(bool, pressBar);
    QFETCH(QList<Drawn>, windows);
    QFETCH(QList<Message>, messages);
    Rig rig(counters, n);
    QList<Drawn> shown;
    rig.steps.then([&](GraphWindow &window) {
        shown.append(drawn(window));
        if (pressBar)
            window.barGraphButton->click();
    });
    rig.steps.then([&](GraphWindow &window) { shown.append(drawn(window)); });

    rig.graphs.showLineGraph();

    QCOMPARE(shown, windows);
    QCOMPARE(rig.dialogs.messages, messages);
    // A refused bar graph has closed its window before the message.
    QCOMPARE(rig.visibleAtMessages, QList<int>(messages.size(), 0));
    QCOMPARE(rig.steps.mostVisibleAtOnce, windows.isEmpty() ? 0 : 1);
    QCOMPARE(rig.steps.unplanned, 0);
    // Back at the pause: no graph window is left, open or closed.
    QCOMPARE(GraphSteps::existingWindows(), 0);
    QVERIFY(!rig.graphs.graphWindow());
}

void GraphWindowTest::barGraphAloneRefusesTooFewValues()
{
    Rig rig(2, 1);
    rig.graphs.showBarGraph();
    QCOMPARE(rig.dialogs.messages, QList{Messages::notEnoughToGraph()});
    QCOMPARE(rig.steps.shown, 0);
}

// However often the class switches, the replaced windows are gone: no window
// stays alive behind the one on top.
void GraphWindowTest::switchingReplacesTheWindow()
{
    Rig rig(1, 40);
    constexpr int presses = 60;
    QList<int> alive;
    QList<Drawn> shown;
    for (int k = 0; k <= presses; ++k) {
        rig.steps.then([&alive, &shown, k](GraphWindow &window) {
            alive.append(GraphSteps::existingWindows());
            shown.append(drawn(window));
            if (k < presses)
                (k % 2 == 0 ? window.barGraphButton : window.lineGraphButton)->click();
        });
    }
    rig.graphs.showLineGraph();

    QCOMPARE(alive, QList<int>(presses + 1, 1));
    QCOMPARE(shown, QList<Drawn>(presses + 1, Drawn{1, 41}));
    QCOMPARE(rig.steps.mostVisibleAtOnce, 1);
    QCOMPARE(GraphSteps::existingWindows(), 0);
}

void GraphWindowTest::stripAboveTheChart()
{
    Rig rig(1, 10);
    rig.steps.then([](GraphWindow &window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallyvane Graph"));
        const struct {
            QPushButton *button;
            const char *name;
            const char *tooltip;
            double left;
        } buttons[] = {{window.saveButton, "cmdGraphSave", "Save Graph", 0},
                       {window.printButton, "cmdGraphPrint", "Print Graph", 600},
                       {window.barGraphButton, "cmdBar", "Bar Graph", 1800},
                       {window.lineGraphButton, "cmdLine", "Line Graph", 2400},
                       {window.copyButton, "cmdGraphCopy", "Copy", 3000}};
        for (const auto &b : buttons) {
            QCOMPARE(b.button->objectName(), QString::fromLatin1(b.name));
            QCOMPARE(b.button->toolTip(), QString::fromLatin1(b.tooltip));
            QCOMPARE(b.button->accessibleName(), QString::fromLatin1(b.tooltip));
            QCOMPARE(b.button->geometry(), QRect(twipsPoint(b.left, 0), twipsSize(600, 600)));
            QVERIFY(!b.button->icon().isNull());
        }
        for (const QSize size : {QSize(700, 500), QSize(1234, 987)}) {
            window.resize(size);
            QCOMPARE(window.strip->geometry(), QRect(0, 0, size.width(), twipsToPixels(655)));
            QCOMPARE(window.chartView->geometry(), QRect(0, 46, size.width(), size.height() - 46));
        }
    });
    rig.graphs.showLineGraph();
    QCOMPARE(rig.steps.shown, 1);
}

void GraphWindowTest::placeAndSizeSurviveSwitchingAndReopening()
{
    Rig rig(1, 30);
    const QRect main = rig.mainWindow.geometry();
    const QRect first = twipsRect(pixelsToTwips(main.x()) + 400, pixelsToTwips(main.y()) + 200,
                                  pixelsToTwips(main.width()) - 800, pixelsToTwips(main.height()) - 400);
    const QRect teachers(150, 120, 900, 640);
    QList<QRect> seen;
    const auto seeAnd = [&](QPushButton *GraphWindow::*press) {
        return [&seen, teachers, press](GraphWindow &window) {
            seen.append(QRect(window.pos(), window.size()));
            if (seen.size() == 1) {
                window.resize(teachers.size());
                window.move(teachers.topLeft());
            }
            if (press)
                (window.*press)->click();
        };
    };
    rig.steps.then(seeAnd(&GraphWindow::barGraphButton));
    rig.steps.then(seeAnd(&GraphWindow::lineGraphButton));
    rig.steps.then(seeAnd(nullptr));
    rig.graphs.showLineGraph();

    QCOMPARE(seen, (QList<QRect>{first, teachers, teachers}));
    QCOMPARE(rig.steps.mostVisibleAtOnce, 1);
    QCOMPARE(GraphSteps::existingWindows(), 0);

    // A later pause, with the main window moved meanwhile, opens it where it was left.
    rig.mainWindow.move(10, 10);
    rig.steps.then(seeAnd(nullptr));
    rig.graphs.showLineGraph();
    QCOMPARE(seen.last(), teachers);
    QCOMPARE(rig.memory.graphPlacement.topLeft->x(), pixelsToTwips(teachers.x()));
    QCOMPARE(rig.memory.graphPlacement.size->height(), pixelsToTwips(teachers.height()));
}

void GraphWindowTest::dialogsBelongToTheGraphWindow()
{
    Rig rig(1, 5);
    QList<QWidget *> parents;
    const auto save = [&](GraphWindow &window) {
        window.saveButton->click();
        parents << rig.dialogs.parents.last() << &window;
    };
    rig.steps.then([&](GraphWindow &window) {
        save(window);
        window.barGraphButton->click();
    });
    rig.steps.then(save);
    rig.graphs.showLineGraph();
    QCOMPARE(parents.size(), 4);
    QCOMPARE(parents[0], parents[1]);
    QCOMPARE(parents[2], parents[3]);
}

void GraphWindowTest::printing_data()
{
    QTest::addColumn<bool>("printerWorks");
    QTest::addColumn<QList<Message>>("messages");
    QTest::newRow("printed") << true << QList<Message>{};
    QTest::newRow("printer fails") << false << QList{Messages::graphNotPrinted()};
}

void GraphWindowTest::printing()
{
    QFETCH(bool, printerWorks);
    QFETCH(QList<Message>, messages);
    Rig rig(2, 12);
    rig.printer.works = printerWorks;
    // Axis numbers and titles and the legend's counter names: large on
    // screen, their usual size on paper.
    const auto axisPoints = [](const QChart &chart) {
        QList<int> points;
        for (const QAbstractAxis *axis : chart.axes())
            points << axis->labelsFont().pointSize() << axis->titleFont().pointSize();
        return points << chart.legend()->font().pointSize();
    };
    QList<int> printedPoints;
    rig.printer.whilePrinting = [&](QWidget &) { printedPoints = axisPoints(*rig.graphs.graphWindow()->chartView->chart()); };
    rig.steps.then([&](GraphWindow &window) {
        QChart *chart = window.chartView->chart();
        QCOMPARE(axisPoints(*chart), QList<int>(5, 16));
        window.printButton->click();
        QCOMPARE(printedPoints, QList<int>(5, 11));
        QCOMPARE(axisPoints(*chart), QList<int>(5, 16));
        QCOMPARE(rig.printer.printed, QList<QPointer<QWidget>>{window.chartView});
        QCOMPARE(rig.dialogs.messages, messages);
        QVERIFY(window.isVisible());
        QCOMPARE(window.chartView->chart(), chart);
        QCOMPARE(drawn(window), (Drawn{2, 13}));
        // Printing can be repeated while the window is open.
        window.printButton->click();
        QCOMPARE(rig.printer.printed.size(), 2);
    });
    rig.graphs.showLineGraph();
    QCOMPARE(rig.steps.shown, 1);
}

void GraphWindowTest::savingSuggestsNumberedNames()
{
    Rig rig(1, 5);
    QTemporaryDir dir;
    const QString filter =
        QStringLiteral("Bitmaps (*.bmp)|*.bmp|PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|All Files (*.*)|*.*");
    rig.dialogs.saveAnswers << dir.filePath("first.bmp") << std::nullopt << dir.filePath("second.bmp");
    rig.steps.then([&](GraphWindow &window) {
        for (int k = 0; k < 3; ++k)
            window.saveButton->click();
    });
    rig.graphs.showLineGraph();
    // The number belongs to the program run, not to one window.
    rig.dialogs.saveAnswers << std::nullopt;
    rig.steps.then([](GraphWindow &window) { window.saveButton->click(); });
    rig.graphs.showLineGraph();

    QStringList suggested;
    for (const auto &request : rig.dialogs.saveRequests) {
        suggested << request.suggestedName;
        QCOMPARE(request.filter, filter);
    }
    QCOMPARE(suggested, (QStringList{"graph1.bmp", "graph2.bmp", "graph2.bmp", "graph3.bmp"}));
    QCOMPARE(rig.dialogs.savedFiles, (QStringList{dir.filePath("first.bmp"), dir.filePath("second.bmp")}));
    QCOMPARE(rig.memory.graphFileNumber, 3);
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void GraphWindowTest::enterNeitherSavesNorPrints()
{
    Rig rig(1, 5);
    rig.steps.then([](GraphWindow &window) {
        window.saveButton->setFocus();
        QTest::keyClick(window.saveButton, Qt::Key_Return);
        QTest::keyClick(&window, Qt::Key_Enter);
    });
    rig.graphs.showLineGraph();
    QVERIFY(rig.dialogs.saveRequests.isEmpty());
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void GraphWindowTest::savedBitmapIsTheChart()
{
    Rig rig(2, 12);
    for (int k = 0; k <= 12; ++k)
        rig.session.history2->record(std::size_t(k), double(13 - k));
    QTemporaryDir dir;
    const QString path = dir.filePath("graph1.bmp");
    rig.dialogs.saveAnswers << path;
    QSize chartSize;
    rig.steps.then([&](GraphWindow &window) {
        chartSize = window.chartView->size();
        window.saveButton->click();
    });
    rig.graphs.showLineGraph();

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // A classic Windows bitmap: 40-byte info header, 24 bits a pixel.
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 14), 40u);
    QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), 24);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), chartSize);
    QVERIFY(pixelsLike(image, counter1Red) > 50);
    QVERIFY(pixelsLike(image, counter2Blue) > 50);
}

// The format follows the name's suffix, which the save dialog sets from the
// format chosen.
void GraphWindowTest::savedPicturesOpenInTheStandardTools_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");  // as identify names a picture of pixels
    QTest::newRow("bitmap") << "graph1.bmp" << "BMP3";
    QTest::newRow("PNG image") << "graph1.png" << "PNG";
    QTest::newRow("PNG named in capitals") << "GRAPH1.PNG" << "PNG";
    QTest::newRow("no suffix, a bitmap") << "graph1" << "BMP3";
    QTest::newRow("SVG drawing") << "graph1.svg" << "SVG";
}

void GraphWindowTest::savedPicturesOpenInTheStandardTools()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    Rig rig(2, 12);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    rig.dialogs.saveAnswers << path;
    QSize pixels;
    QSize drawing;
    rig.steps.then([&](GraphWindow &window) {
        pixels = window.chartView->size() * window.devicePixelRatio();
        drawing = window.chartView->viewport()->size();
        window.saveButton->click();
    });
    rig.graphs.showLineGraph();

    if (format != "SVG") {
        QCOMPARE(commandOutput("identify", {"-format", "%m", path}), format);
        return verifyChartPicture(QImage(path), pixels);
    }
    const QString rendered = dir.filePath("rendered.png");
    QCOMPARE(commandOutput("rsvg-convert", {"-o", rendered, path}), QString());
    verifyChartPicture(QImage(rendered), drawing);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QVERIFY(svg.contains("<text") && !svg.contains("<image"));
    // Named by a family other programs find, not by an alias of this system's.
    static const QRegularExpression textFont(R"re(<text [^>]*font-family="([^"]*)")re");
    for (auto it = textFont.globalMatch(svg); it.hasNext();)
        QVERIFY(QFontDatabase::families().contains(it.next().captured(1)));
}

// With the Copy button, then with Ctrl+C.
void GraphWindowTest::copyPutsThePictureOnTheClipboard()
{
    Rig rig(2, 12);
    QList<QImage> copied;
    QSize pixels;
    rig.steps.then([&](GraphWindow &window) {
        pixels = window.chartView->size() * window.devicePixelRatio();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const bool shortcut : {false, true}) {
            QGuiApplication::clipboard()->clear();
            shortcut ? QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier) : window.copyButton->click();
            copied << QGuiApplication::clipboard()->image();
        }
    });
    rig.graphs.showLineGraph();
    QCOMPARE(copied.size(), 2);
    for (const QImage &image : std::as_const(copied))
        verifyChartPicture(image, pixels);
}

void GraphWindowTest::failedSaveLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<bool>("fullDisk");  // else a missing folder
    QTest::newRow("into a missing folder") << false;
    QTest::newRow("over a bitmap on a full disk") << true;
}

void GraphWindowTest::failedSaveLeavesTheFolderAsItWas()
{
    QFETCH(bool, fullDisk);
    Rig rig(1, 5);
    QTemporaryDir dir;
    std::optional<FullDisk> disk;
    QString folder = dir.path();
    QString path = dir.filePath("missing folder/graph1.bmp");
    const QByteArray old("BM an older graph");
    if (fullDisk) {
        disk.emplace();
        if (!disk->unavailable().isEmpty())
            QSKIP(qPrintable(disk->unavailable()));
        folder = disk->folder();
        path = folder + "/graph1.bmp";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        QVERIFY(disk->fill());
    }
    rig.dialogs.saveAnswers << path;
    rig.steps.then([](GraphWindow &window) { window.saveButton->click(); });
    rig.graphs.showLineGraph();

    QCOMPARE(rig.dialogs.messages, QList{Messages::graphNotSaved()});
    QCOMPARE(rig.memory.graphFileNumber, 1);
    QVERIFY(rig.dialogs.savedFiles.isEmpty());
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), fullDisk ? old : QByteArray());
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             fullDisk ? QStringList{"graph1.bmp"} : QStringList{});
}

QTEST_MAIN(GraphWindowTest)
#include "tst_graphwindow.moc"
