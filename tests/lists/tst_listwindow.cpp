#include "output/lists/ListWindow.h"
#include "output/lists/NumberList.h"
#include "output/lists/RuleWindow.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "tests/support/FakePrinter.h"
#include "tests/support/ListLines.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QAccessible>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Places a shown window so that its frame, title bar included, covers `frame`.
void placeFrame(QWidget &window, const QRect &frame)
{
    window.resize(frame.size() - (window.frameGeometry().size() - window.size()));
    window.move(frame.topLeft());
}

struct ExpectedButton {
    QString suffix;
    double left;
    QString tooltip;
};

const QList<ExpectedButton> expectedButtons = {
    {"Save", 0, "Save List"},
    {"Print", 600, "Print List"},
    {"FontInc", 1800, "Increase Font Size"},
    {"FontDec", 2400, "Decrease Font Size"},
    {"Steps", 3000, "Show Steps"},
    {"Rule", 3600, "Show the Rule"},
    {"Copy", 4200, "Copy"},
};

// A button of the window's strip, by its name; null when there is none.
QPushButton *stripButton(const ListWindow &window, const QString &name)
{
    return window.strip->findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

QString buttonName(ListKind kind, const QString &suffix)
{
    return QStringLiteral("cmdList%1%2").arg(int(kind)).arg(suffix);
}

ListKind otherKind(ListKind kind)
{
    return kind == ListKind::OneCounter ? ListKind::TwoCounters : ListKind::OneCounter;
}

// Drags over the view from one row to another, by mouse or by finger.
void drag(ListView &view, int from, int to, bool finger)
{
    QWidget *area = view.viewport();
    const QPoint start = view.rowRect(from).center();
    const QPoint end = view.rowRect(to).center();
    if (finger) {
        static QPointingDevice *screen = QTest::createTouchDevice();
        QTest::touchEvent(area, screen).press(0, start);
        QTest::touchEvent(area, screen).move(0, (start + end) / 2);
        QTest::touchEvent(area, screen).move(0, end);
        QTest::touchEvent(area, screen).release(0, end);
    } else {
        QTest::mousePress(area, Qt::LeftButton, {}, start);
        QTest::mouseMove(area, end);
        QTest::mouseRelease(area, Qt::LeftButton, {}, end);
    }
}

} // namespace

class ListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void widgets_data();
    void widgets();
    void fontSteps_data();
    void fontSteps();
    void longLinesScrollInsteadOfWrapping();
    void resizeRule_data();
    void resizeRule();

    void firstListIsPlacedFromTheMainWindow();
    void tinySizesStillOpenAUsableList_data();
    void tinySizesStillOpenAUsableList();
    void nextListOpensAsTheLastOneClosed_data();
    void nextListOpensAsTheLastOneClosed();
    void listAtTheMaximumCountIsRefused_data();
    void listAtTheMaximumCountIsRefused();
    void counter2GrowingByNineDigitsIsListed();
    void savesFromBothWindowsShareTheNumber();
    void failedPrintLeavesTheWindowOpen();
    void copyTakesTheSelectionOrAll_data();
    void copyTakesTheSelectionOrAll();

    void stepsAreShownUntilHidden_data();
    void stepsAreShownUntilHidden();
    void savedAndPrintedAsShown_data();
    void savedAndPrintedAsShown();
    void draggingSelectsLines_data();
    void draggingSelectsLines();
    void ruleWindowStandsOverTheList_data();
    void ruleWindowStandsOverTheList();
    void ruleStandsBesideTheList_data();
    void ruleStandsBesideTheList();

private:
    // Shows the list of the given kind; `inside` runs while its window is up,
    // and the window is then closed with its close box.
    void showList(ListKind kind, const std::function<void(ListWindow &)> &inside = {});
    void setRun(const QList<double> &counter1, const QList<double> &counter2);

    std::unique_ptr<CountingSession> m_session;
    WindowMemory m_memory;
    ScriptedDialogs m_dialogs;
    FakePrinter m_printer;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<ListServices> m_services;
    int m_windowsShown = 0;
};

void ListWindowTest::init()
{
    m_session = std::make_unique<CountingSession>();
    m_memory = WindowMemory();
    m_dialogs = ScriptedDialogs();
    m_printer = FakePrinter();
    m_main = std::make_unique<QWidget>();
    m_main->show();
    placeFrame(*m_main, QRect(100, 60, 900, 600));
    m_services = std::make_unique<ListServices>(ListServices{*m_session, m_memory, m_dialogs, m_printer, m_main.get()});
    m_windowsShown = 0;
    setRun({1, 2, 3}, {10, 20, 30});
}

void ListWindowTest::setRun(const QList<double> &counter1, const QList<double> &counter2)
{
    for (qsizetype k = 0; k < counter1.size(); ++k) {
        m_session->history1->record(std::size_t(k), counter1[k]);
        m_session->history2->record(std::size_t(k), counter2[k]);
    }
    m_session->countIndex = std::int16_t(counter1.size() - 1);
}

void ListWindowTest::showList(ListKind kind, const std::function<void(ListWindow &)> &inside)
{
    QTimer::singleShot(0, this, [this, inside] {
        auto *window = qobject_cast<ListWindow *>(QApplication::activeModalWidget());
        if (!window)
            return;
        ++m_windowsShown;
        if (inside)
            inside(*window);
        window->close();
    });
    if (kind == ListKind::OneCounter)
        showListOneCounter(*m_services);
    else
        showListTwoCounters(*m_services);
}

void ListWindowTest::widgets_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::newRow("frmList") << ListKind::OneCounter;
    QTest::newRow("frmList2") << ListKind::TwoCounters;
}

void ListWindowTest::widgets()
{
    QFETCH(ListKind, kind);
    std::unique_ptr<ListWindow> window;
    if (kind == ListKind::OneCounter)
        window = std::make_unique<OneCounterListWindow>(*m_services);
    else
        window = std::make_unique<TwoCounterListWindow>(*m_services);
    QCOMPARE(window->objectName(), kind == ListKind::OneCounter ? "frmList" : "frmList2");
    QCOMPARE(window->windowTitle(), QStringLiteral("Number List"));
    for (const ExpectedButton &expected : expectedButtons) {
        QPushButton *button = stripButton(*window, buttonName(kind, expected.suffix));
        QVERIFY2(button, qPrintable(buttonName(kind, expected.suffix)));
        QCOMPARE(button->toolTip(), expected.tooltip);
        QCOMPARE(button->accessibleName(), expected.tooltip);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->geometry(), QRect(twipsPoint(expected.left, 0), twipsSize(600, 600)));
    }
    QCOMPARE(window->strip->findChildren<QPushButton *>().size(), expectedButtons.size());
    ListView *text = window->listText;
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->font().family(), QStringLiteral("Arial"));
    QVERIFY(text->font().bold());
    QCOMPARE(text->pos(), twipsPoint(0, 680));
}

void ListWindowTest::fontSteps_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<int>("presses");  // positive: larger, negative: smaller
    QTest::addColumn<double>("points");
    QTest::newRow("20 up once") << 20.0f << 1 << 24.0;
    QTest::newRow("20 up to 84 and no further") << 20.0f << 20 << 84.0;
    QTest::newRow("84 down once") << 84.0f << -1 << 80.0;
    QTest::newRow("20 down to 8 and no further") << 20.0f << -5 << 8.0;
    QTest::newRow("8 up once") << 8.0f << 1 << 12.0;
}

void ListWindowTest::fontSteps()
{
    QFETCH(float, start);
    QFETCH(int, presses);
    QFETCH(double, points);
    m_memory.listFontSize = start;
    OneCounterListWindow window(*m_services);
    QPushButton *button = presses > 0 ? stripButton(window, "cmdList1FontInc") : stripButton(window, "cmdList1FontDec");
    for (int i = 0; i < std::abs(presses); ++i)
        button->click();
    QCOMPARE(window.listText->font().pointSizeF(), points);
}

void ListWindowTest::longLinesScrollInsteadOfWrapping()
{
    setRun({123456789012345, 2}, {-0.000123456789, 3});
    m_memory.listFontSize = 84;
    TwoCounterListWindow window(*m_services);
    window.resize(300, 400);
    window.show();
    QCOMPARE(window.listText->table().rowCount(), 2);
    QVERIFY(window.listText->horizontalScrollBar()->maximum() > 0);
}

void ListWindowTest::resizeRule_data()
{
    QTest::addColumn<QSize>("inner");
    QTest::addColumn<QSize>("textSize");
    QTest::addColumn<int>("stripWidth");
    // The window is first 600 x 400 pixels: text box 600 x 357, strip 600 wide.
    QTest::newRow("larger") << QSize(800, 500) << QSize(800, 457) << 800;
    QTest::newRow("just tall enough") << QSize(300, 44) << QSize(300, 1) << 300;
    QTest::newRow("too low keeps the earlier sizes") << QSize(300, 43) << QSize(600, 357) << 600;
    QTest::newRow("nothing left") << QSize(200, 0) << QSize(600, 357) << 600;
}

void ListWindowTest::resizeRule()
{
    QFETCH(QSize, inner);
    QFETCH(QSize, textSize);
    QFETCH(int, stripWidth);
    TwoCounterListWindow window(*m_services);
    window.resize(600, 400);
    window.show();
    QCOMPARE(window.listText->size(), QSize(600, 357));
    window.resize(inner);
    QCOMPARE(window.listText->size(), textSize);
    QCOMPARE(window.strip->width(), stripWidth);
    QCOMPARE(window.strip->height(), twipsToPixels(655));
}

void ListWindowTest::firstListIsPlacedFromTheMainWindow()
{
    // The main window spans 1500, 900, 13500 x 9000 twips.
    QRect frame;
    double points = 0;
    QString text;
    showList(ListKind::TwoCounters, [&](ListWindow &window) {
        frame = window.frameGeometry();
        points = window.listText->font().pointSizeF();
        window.listText->selectAll();
        text = window.listText->selectedText();
    });
    QCOMPARE(m_windowsShown, 1);
    QCOMPARE(frame, twipsRect(1900, 1100, 12700, 8600));
    QCOMPARE(points, 20.0);
    QCOMPARE(text, listText(*m_session, ListKind::TwoCounters).replace("\r\n", "\n"));
    QVERIFY(m_memory.listPlacement.placed);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void ListWindowTest::tinySizesStillOpenAUsableList_data()
{
    QTest::addColumn<bool>("remembered");
    QTest::newRow("first list of a tiny main window") << false;
    QTest::newRow("list window left tiny last time") << true;
}

void ListWindowTest::tinySizesStillOpenAUsableList()
{
    QFETCH(bool, remembered);
    if (remembered) {
        m_memory.listPlacement = {true, QPointF(900, 900), QSizeF(15, 15)};
        m_memory.listFontSize = 20;
    } else {
        placeFrame(*m_main, QRect(100, 60, 40, 30));
    }
    // Found among all windows, not as the active one: a window too small to
    // be shown must still be found and closed.
    QSize inner;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *list = qobject_cast<ListWindow *>(window)) {
                inner = list->size();
                list->close();
            }
        }
    });
    showListOneCounter(*m_services);
    QVERIFY2(inner.width() >= twipsToPixels(3000) && inner.height() >= twipsToPixels(3000),
             qPrintable(QStringLiteral("%1 x %2").arg(inner.width()).arg(inner.height())));
}

void ListWindowTest::nextListOpensAsTheLastOneClosed_data()
{
    QTest::addColumn<ListKind>("first");
    QTest::addColumn<ListKind>("second");
    QTest::newRow("one counter, then two") << ListKind::OneCounter << ListKind::TwoCounters;
    QTest::newRow("two counters, then one") << ListKind::TwoCounters << ListKind::OneCounter;
    QTest::newRow("one counter twice") << ListKind::OneCounter << ListKind::OneCounter;
}

void ListWindowTest::nextListOpensAsTheLastOneClosed()
{
    QFETCH(ListKind, first);
    QFETCH(ListKind, second);
    const QRect placed(200, 150, 500, 400);
    QRect closedAt;
    showList(first, [&](ListWindow &window) {
        placeFrame(window, placed);
        closedAt = window.frameGeometry();
        for (int i = 0; i < 20; ++i)
            stripButton(window, buttonName(first, "FontInc"))->click();
    });
    m_main->setGeometry(0, 0, 300, 200);  // the first-use place must not come back
    QRect frame;
    double points = 0;
    showList(second, [&](ListWindow &window) {
        frame = window.frameGeometry();
        points = window.listText->font().pointSizeF();
    });
    QCOMPARE(m_windowsShown, 2);
    QCOMPARE(closedAt, placed);
    QCOMPARE(frame, placed);
    QCOMPARE(points, 84.0);
    QCOMPARE(m_memory.listFontSize, 84.0f);
}

void ListWindowTest::listAtTheMaximumCountIsRefused_data()
{
    widgets_data();
}

void ListWindowTest::listAtTheMaximumCountIsRefused()
{
    QFETCH(ListKind, kind);
    m_session->countIndex = maximumCountIndex;
    showList(kind);
    QCOMPARE(m_windowsShown, 0);
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::tooManyToList()});
    QVERIFY(m_memory.listPlacement.placed);
    QCOMPARE(m_memory.listFontSize, 20.0f);
    QCoreApplication::processEvents();  // lets the unused closer run while the test still exists
}

void ListWindowTest::counter2GrowingByNineDigitsIsListed()
{
    setRun({1, 2}, {1, 1234567890});
    QString text;
    showList(ListKind::TwoCounters, [&](ListWindow &window) { text = window.listText->table().cell(1).toString(); });
    QCOMPARE(m_windowsShown, 1);
    QVERIFY(m_dialogs.messages.isEmpty());
    QCOMPARE(text, QStringLiteral("2  1234567890   "));
}

void ListWindowTest::savesFromBothWindowsShareTheNumber()
{
    QTemporaryDir dir;
    for (int i = 0; i < 3; ++i)
        m_dialogs.saveAnswers.enqueue(dir.filePath(QStringLiteral("list%1.txt").arg(i)));
    bool dialogsOverList = false;
    showList(ListKind::OneCounter, [&](ListWindow &window) {
        stripButton(window, "cmdList1Save")->click();
        dialogsOverList = m_dialogs.parents.last() == &window;
        stripButton(window, "cmdList1Save")->click();
    });
    showList(ListKind::TwoCounters, [&](ListWindow &window) { stripButton(window, "cmdList2Save")->click(); });
    QStringList names;
    for (const auto &request : std::as_const(m_dialogs.saveRequests))
        names << request.suggestedName;
    QCOMPARE(names, (QStringList{"count1.txt", "count2.txt", "count3.txt"}));
    QVERIFY(dialogsOverList);
    QCOMPARE(m_memory.listFileNumber, std::int16_t(4));
}

void ListWindowTest::failedPrintLeavesTheWindowOpen()
{
    setRun(QList<double>(300, 1), QList<double>(300, 2));
    m_printer.failAt(FakePrinter::Step::Begin);
    bool openAfterPrint = false;
    showList(ListKind::OneCounter, [&](ListWindow &window) {
        stripButton(window, "cmdList1Print")->click();
        openAfterPrint = window.isVisible();
    });
    QVERIFY(openAfterPrint);
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::listNotPrinted()});
}

void ListWindowTest::copyTakesTheSelectionOrAll_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<int>("selected");   // lines from the second on
    QTest::addColumn<bool>("shortcut");  // Ctrl+C, else the Copy button
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    const QString cell = R"(<td align="right">%1</td>)";
    const QString head = R"(<th align="right">%1</th>)";
    QTest::newRow("nothing selected, Copy button")
        << ListKind::OneCounter << false << 0 << false << "1    \n2    \n3    \n"
        << "<table><tr>" + cell.arg(1) + "</tr><tr>" + cell.arg(2) + "</tr><tr>" + cell.arg(3) + "</tr></table>";
    const QString gap(16, QChar(' '));
    QTest::newRow("a selection, Ctrl+C")
        << ListKind::TwoCounters << false << 2 << true << "2" + gap + "20   \n3" + gap + "30   \n"
        << "<table><tr>" + cell.arg(2) + cell.arg(20) + "</tr><tr>" + cell.arg(3) + cell.arg(30) + "</tr></table>";
    QTest::newRow("steps, nothing selected, with their heading")
        << ListKind::OneCounter << true << 0 << false
        << "n\tNumber\tStep\tStep change\n1\t1\t\t\n2\t2\t1\t\n3\t3\t1\t0\n"
        << "<table><tr>" + head.arg("n") + head.arg("Number") + head.arg("Step") + head.arg("Step change") + "</tr><tr>"
               + cell.arg(1) + cell.arg(1) + cell.arg("") + cell.arg("") + "</tr><tr>" + cell.arg(2) + cell.arg(2)
               + cell.arg(1) + cell.arg("") + "</tr><tr>" + cell.arg(3) + cell.arg(3) + cell.arg(1) + cell.arg(0)
               + "</tr></table>";
}

void ListWindowTest::copyTakesTheSelectionOrAll()
{
    QFETCH(ListKind, kind);
    QFETCH(bool, steps);
    QFETCH(int, selected);
    QFETCH(bool, shortcut);
    QFETCH(QString, text);
    QFETCH(QString, html);
    m_memory.listShowsSteps = steps;
    QGuiApplication::clipboard()->clear();
    showList(kind, [&](ListWindow &window) {
        if (selected > 0)
            window.listText->selectRows(1, selected);
        if (shortcut) {
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(window.listText, Qt::Key_C, Qt::ControlModifier);
        } else {
            stripButton(window, buttonName(kind, "Copy"))->click();
        }
    });
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), text);
    QCOMPARE(copied->html(), html);
}

void ListWindowTest::stepsAreShownUntilHidden_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("frmList") << ListKind::OneCounter
                             << QStringList{"\tn\tNumber\tStep\tStep change", "\t1\t1\t\t", "\t2\t2\t1\t", "\t3\t4\t2\t1"};
    QTest::newRow("frmList2") << ListKind::TwoCounters
                              << QStringList{"\tn\tNumber\tStep\tStep change\tNumber\tStep\tStep change",
                                             "\t1\t1\t\t\t10\t\t", "\t2\t2\t1\t\t20\t10\t", "\t3\t4\t2\t1\t30\t10\t0"};
}

// Shown in one list, the steps stay shown in the next list of either kind
// until a list hides them again.
void ListWindowTest::stepsAreShownUntilHidden()
{
    QFETCH(ListKind, kind);
    QFETCH(QStringList, lines);
    setRun({1, 2, 4}, {10, 20, 30});
    QStringList names;
    QStringList shown;
    const auto press = [&](ListWindow &window, ListKind pressedIn) {
        QPushButton *steps = stripButton(window, buttonName(pressedIn, "Steps"));
        names << steps->toolTip();
        steps->click();
        names << steps->toolTip() << steps->accessibleName() << (steps->isChecked() ? "down" : "up");
        shown = tabSeparatedLines(window.listText->table());
    };
    showList(kind, [&](ListWindow &window) { press(window, kind); });
    QCOMPARE(shown, lines);
    QVERIFY(m_memory.listShowsSteps);
    showList(otherKind(kind), [&](ListWindow &window) { press(window, otherKind(kind)); });
    QCOMPARE(names, QStringList({"Show Steps", "Hide Steps", "Hide Steps", "down",  //
                                 "Hide Steps", "Show Steps", "Show Steps", "up"}));
    QCOMPARE(shown, tabSeparatedLines(listLines(*m_session, otherKind(kind))));
    QVERIFY(!m_memory.listShowsSteps);
}

void ListWindowTest::savedAndPrintedAsShown_data()
{
    QTest::addColumn<bool>("steps");
    QTest::newRow("steps hidden") << false;
    QTest::newRow("steps shown") << true;
}

void ListWindowTest::savedAndPrintedAsShown()
{
    QFETCH(bool, steps);
    QTemporaryDir dir;
    const QString path = dir.filePath("count1.txt");
    m_dialogs.saveAnswers.enqueue(path);
    ListTable shown;
    showList(ListKind::TwoCounters, [&](ListWindow &window) {
        if (steps)
            stripButton(window, "cmdList2Steps")->click();
        shown = window.listText->table();
        stripButton(window, "cmdList2Save")->click();
        stripButton(window, "cmdList2Print")->click();
    });
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // With steps hidden, the window's lines are the list text; its numbers are saved and printed.
    const ListTable saved = steps ? shown : listTable(*m_session, ListKind::TwoCounters, Steps::Hidden);
    QCOMPARE(file.readAll(), listFileBytes(saved));
    QCOMPARE(m_printer.printed.value(0), QStringList(5, QString()) + tabSeparatedLines(saved));
}

void ListWindowTest::draggingSelectsLines_data()
{
    QTest::addColumn<bool>("finger");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QString>("text");
    const QString gap(16, QChar(' '));
    const QString lines = "2" + gap + "20   \n3" + gap + "30   \n4" + gap + "40   \n";
    QTest::newRow("mouse over the list") << false << false << lines;
    QTest::newRow("finger over the list") << true << false << lines;
    QTest::newRow("finger over the steps") << true << true << "2\t2\t1\t\t20\t10\t\n3\t3\t1\t0\t30\t10\t0\n4\t4\t1\t0\t40\t10\t0\n";
}

void ListWindowTest::draggingSelectsLines()
{
    QFETCH(bool, finger);
    QFETCH(bool, steps);
    QFETCH(QString, text);
    setRun({1, 2, 3, 4, 5}, {10, 20, 30, 40, 50});
    m_memory.listShowsSteps = steps;
    std::optional<std::pair<int, int>> selected;
    QString selectedText;
    QString readAloud;
    QString allLines;
    showList(ListKind::TwoCounters, [&](ListWindow &window) {
        drag(*window.listText, 3, 1, finger);
        selected = window.listText->selectedRows();
        selectedText = window.listText->selectedText();
        // A screen reader reads the lines on screen: here, all of them.
        if (QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(window.listText))
            readAloud = reader->text(QAccessible::Value);
        allLines = window.listText->text(0, 4);
    });
    QCOMPARE(selected, std::make_pair(1, 3));
    QCOMPARE(selectedText, text);
    QCOMPARE(readAloud, allLines);
}

void ListWindowTest::ruleWindowStandsOverTheList_data()
{
    QTest::addColumn<double>("fourth");  // counter 1's fourth number as shown
    QTest::addColumn<QString>("nth1");
    QTest::newRow("numbers as the rule gives them") << 7.0 << "The nth number is ½n² − ½n + 1";
    QTest::newRow("a number the rule does not give") << 7.000000001 << "The nth number is about ½n² − ½n + 1";
}

void ListWindowTest::ruleWindowStandsOverTheList()
{
    QFETCH(double, fourth);
    QFETCH(QString, nth1);
    m_session->counter1 = {1, 1, 1};
    m_session->counter2 = {30, -3, 0};
    setRun({1, 2, 4, fourth}, {30, 27, 24, 21});
    QStringList texts;
    bool overTheList = false;
    double smallestPoints = 1000;
    bool listOpenAfter = false;
    showList(ListKind::TwoCounters, [&](ListWindow &window) {
        QTimer::singleShot(0, this, [&] {
            QWidget *rule = QApplication::activeModalWidget();
            texts << rule->objectName() << rule->windowTitle();
            for (const char *name : {"lblSteps1", "lblNth1", "lblSteps2", "lblNth2"}) {
                QLabel *label = named<QLabel>(*rule, name);
                texts << label->text();
                smallestPoints = std::min(smallestPoints, label->font().pointSizeF());
            }
            overTheList = rule->parentWidget() == &window;
            rule->close();
        });
        stripButton(window, "cmdList2Rule")->click();
        listOpenAfter = window.isVisible();
    });
    QCOMPARE(texts, QStringList({"frmRule", "The Rule",
                                 "Start at 1. The first step is 1, and the step grows by 1 after every count.", nth1,
                                 "Start at 30. Take away 3 every time.", "The nth number is 33 − 3n"}));
    QVERIFY(overTheList);
    QVERIFY(smallestPoints >= 28);
    QVERIFY(listOpenAfter);
}

void ListWindowTest::ruleStandsBesideTheList_data()
{
    QTest::addColumn<QRect>("list");  // frames, on a 1920×1080 screen
    QTest::addColumn<QSize>("rule");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("room to the right") << QRect(100, 100, 800, 600) << QSize(500, 400) << QPoint(900, 100);
    QTest::newRow("right, kept on the screen") << QRect(100, 800, 800, 200) << QSize(500, 400) << QPoint(900, 680);
    QTest::newRow("no room right, below") << QRect(1000, 100, 800, 500) << QSize(500, 400) << QPoint(1000, 600);
    QTest::newRow("no room either, least covered") << QRect(200, 100, 1600, 800) << QSize(600, 400) << QPoint(200, 680);
    QTest::newRow("list fills the screen") << QRect(0, 0, 1920, 1080) << QSize(600, 400) << QPoint(1320, 0);
}

void ListWindowTest::ruleStandsBesideTheList()
{
    QFETCH(QRect, list);
    QFETCH(QSize, rule);
    QFETCH(QPoint, place);
    QCOMPARE(besideWindow(rule, list, QRect(0, 0, 1920, 1080)), place);
}

QTEST_MAIN(ListWindowTest)
#include "tst_listwindow.moc"
