#include "tests/support/Named.h"
#include "output/board/CountBoardPanel.h"
#include "output/board/CountBoardWindow.h"
#include "tests/support/AppRig.h"
#include "tests/support/FakePagePrinter.h"
#include "tests/support/Ink.h"
#include "tests/support/PauseAnswerer.h"
#include "tests/support/TestDisplay.h"

#include <QAccessible>
#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The count board in the real program: filled as the class counts, honest
// while a counter is hidden, beside the counters in full screen, and kept by
// copy, save and print.
class CountBoardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hiddenNewestNumberIsNotDrawn();
    void pauseShowsTheEarlierRows();
    void tapsAtAPause_data();
    void tapsAtAPause();
    void fullScreenSharesTheScreen();
    void keep_data();
    void keep();
    void readAsATable();
    void narrowBoard_data();
    void narrowBoard();

private:
    CountBoard *board() const { return m_rig->lesson.countBoards().panel()->board(0); }
    // Whether anything is drawn in count k's cell.
    bool drawn(int k) const
    {
        const QRect cell = board()->layout().cellRect(k, board()->scrollOffset()).toRect();
        return !inkBox(*board(), cell, board()->backgroundColour()).isEmpty();
    }

    // What the taps at a pause did to the board and the run, as the rows say.
    QString happened(const QSignalSpy &continued) const;

    std::unique_ptr<AppRig> m_rig;
};

void CountBoardTest::init()
{
    m_rig = std::make_unique<AppRig>();
    m_rig->lesson.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_rig->lesson.mainWindow()));
}

void CountBoardTest::cleanup()
{
    m_rig.reset();
}

// Hidden at 5, paused at 7: the board shows 0 to 6 and not 7 until the
// counter is shown again. Every third number is hushed until the pause.
void CountBoardTest::hiddenNewestNumberIsNotDrawn()
{
    MainWindow &main = m_rig->lesson.mainWindow();
    QTest::mouseClick(m_rig->button("countBoardButton"), Qt::LeftButton);
    QVERIFY(m_rig->lesson.countBoards().window()->isVisible());
    m_rig->lesson.countBoards().setHushed([](int k) { return k % 3 == 2; });
    m_rig->lesson.session().speed = 0;
    QStringList duringRun;
    m_rig->pump.beforePump = [&] {
        const QString shown = named<CounterLabel>(main, "lblCounter1")->text();
        if (shown == "5" && !named<CounterLabel>(main, "lblCounter1")->isMasked()) {
            duringRun = {board()->shownText(2), board()->shownText(4), board()->shownText(5)};
            QTest::mouseClick(m_rig->button("cmdMaskC1"), Qt::LeftButton);
        }
        if (shown == "7" && m_rig->button("cmdStop")->isEnabled())
            QTest::mouseClick(m_rig->button("cmdStop"), Qt::LeftButton);
    };
    PauseAnswerer teacher;
    QStringList hidden, shown;
    bool hiddenNotDrawn = false;
    bool shownDrawn = false;
    teacher.onShown = [&](PauseDialog *dialog) {
        hidden = {board()->shownText(5), board()->shownText(6), board()->shownText(7)};
        hiddenNotDrawn = drawn(6) && !drawn(7);
        QTest::mouseClick(named<QPushButton>(*dialog, "cmdMaskC1"), Qt::LeftButton);
        shown = {board()->shownText(7)};
        shownDrawn = drawn(7);
    };
    QTest::mouseClick(m_rig->button("cmdStart"), Qt::LeftButton);
    QCOMPARE(duringRun, (QStringList{"?", "4", "?"}));
    QCOMPARE(hidden, (QStringList{"5", "6", ""}));
    QVERIFY(hiddenNotDrawn);
    QCOMPARE(shown, QStringList{"7"});
    QVERIFY(shownDrawn);
    QCOMPARE(board()->count(), 8);

    // A new run clears the board, marks and all.
    board()->tapAt(board()->layout().cellRect(3, board()->scrollOffset()).center());
    QVERIFY(board()->marks().isCircled(3));
    m_rig->pump.beforePump = [&] {
        if (named<CounterLabel>(main, "lblCounter1")->text() == "2" && m_rig->button("cmdStop")->isEnabled())
            QTest::mouseClick(m_rig->button("cmdStop"), Qt::LeftButton);
    };
    QTest::mouseClick(m_rig->button("cmdStart"), Qt::LeftButton);
    QCOMPARE(board()->numbers(), (QStringList{"0", "1", "2"}));
    QVERIFY(board()->marks().isEmpty());
}

// Counted faster than the screen shows, the rows jump ahead by half the
// board; at the pause the newest row is back at the bottom, under as many
// earlier rows as fit.
void CountBoardTest::pauseShowsTheEarlierRows()
{
    CountBoards &boards = m_rig->lesson.countBoards();
    boards.setShown(true);
    QVERIFY(QTest::qWaitForWindowExposed(boards.window()));
    for (int k = 0; k < 1000 && board()->scrollOffset() <= board()->layout().newestRowScroll(); ++k)
        board()->append(QString::number(k));
    QVERIFY(board()->scrollOffset() > board()->layout().newestRowScroll());
    boards.pauseShown();
    QCOMPARE(board()->scrollOffset(), board()->layout().newestRowScroll());
}

void CountBoardTest::tapsAtAPause_data()
{
    QTest::addColumn<bool>("fullScreen");
    // "count k", "head c", "counters" or a button's name; "drag" down the
    // board or "wheel" up over it, 60 counts on the board instead of 12
    QTest::addColumn<QString>("tap");
    QTest::addColumn<QString>("outcome");  // what the tap did
    QTest::newRow("a number beside the window") << false << "count 5" << "circled 5";
    QTest::newRow("a head beside the window") << false << "head 5" << "shaded 5";
    QTest::newRow("+ beside the window") << false << "cmdRowsMore" << "rows of 7";
    QTest::newRow("Save Board at the pause") << false << "cmdBoardSave" << "asked where to save";
    QTest::newRow("a drag scrolls back, circling nothing") << false << "drag" << "earlier rows";
    QTest::newRow("the wheel scrolls back") << false << "wheel" << "earlier rows";
    QTest::newRow("a number in full screen") << true << "count 11" << "circled 11";
    QTest::newRow("the counters in full screen continue") << true << "counters" << "continued";
}

// The class circles what it notices while the pause dialog blocks the board:
// a tap on the X display reaches the board all the same.
void CountBoardTest::tapsAtAPause()
{
    QFETCH(bool, fullScreen);
    QFETCH(QString, tap);
    QFETCH(QString, outcome);
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("Needs a real X display: scripts/test sets TALLYVANE_TEST_DISPLAY.");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("Needs xdotool to tap on the X display.");
    MainWindow &main = m_rig->lesson.mainWindow();
    CountBoards &boards = m_rig->lesson.countBoards();
    boards.setShown(true);
    boards.panel()->setRowLength(6);
    const bool scrolls = tap == "drag" || tap == "wheel";
    for (int k = 1; k <= (scrolls ? 60 : 12); ++k)
        board()->append(QString::number(15 * k));
    board()->settle();
    main.setFullScreen(fullScreen);
    QTRY_COMPARE(main.isFullScreen(), fullScreen);
    QVERIFY(QTest::qWaitForWindowExposed(boards.panel()->window()));
    QSignalSpy continued(&main, &MainWindow::countersTappedUnderDialog);
    QDialog pause(&main);
    pause.setModal(true);
    main.standAtFoot(pause);
    pause.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pause));

    const QStringList target = tap.split(QLatin1Char(' '));
    QWidget *on = board();
    QRectF area;
    QStringList pointer = {"click", "1"};
    if (tap == "drag")
        pointer = {"mousedown", "1", "mousemove_relative", "--sync", "0", "60", "mousemove_relative", "--sync", "0",
                   "60", "mouseup", "1"};
    else if (tap == "wheel")
        pointer = {"click", "4"};
    if (target[0] == "count")
        area = board()->layout().cellRect(target[1].toInt(), board()->scrollOffset());
    else if (target[0] == "head")
        area = board()->layout().headRect(target[1].toInt());
    else if (target[0] == "counters")
        on = named<CounterLabel>(main, "lblCounter1");
    else if (!scrolls)
        on = named<QWidget>(*boards.panel(), target[0].toLatin1().constData());
    const QPoint at = on->mapToGlobal((area.isEmpty() ? QRectF(on->rect()) : area).center().toPoint());
    QCOMPARE(QProcess::execute("xdotool",
                               QStringList{"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())}
                                   + pointer),
             0);
    QTRY_COMPARE(happened(continued), outcome);
}

QString CountBoardTest::happened(const QSignalSpy &continued) const
{
    QStringList happened;
    for (int k = 0; k < board()->count(); ++k)
        if (board()->marks().isCircled(k))
            happened << QStringLiteral("circled %1").arg(k);
    for (int column = 0; column < board()->rowLength(); ++column)
        if (board()->marks().isColumnShaded(column))
            happened << QStringLiteral("shaded %1").arg(column);
    if (board()->rowLength() != 6)
        happened << QStringLiteral("rows of %1").arg(board()->rowLength());
    if (!continued.isEmpty() || !m_rig->dialogs.saveRequests.isEmpty())
        happened << (continued.isEmpty() ? "asked where to save" : "continued");
    if (board()->scrollOffset() < board()->layout().newestRowScroll())
        happened << QStringLiteral("earlier rows");
    return happened.join(", ");
}

// The counters keep a third of the screen and the board takes the rest,
// nothing overlapping; leaving full screen puts the board back in its window.
void CountBoardTest::fullScreenSharesTheScreen()
{
    MainWindow &main = m_rig->lesson.mainWindow();
    CountBoards &boards = m_rig->lesson.countBoards();
    boards.setShown(true);
    main.setFullScreen(true);
    QTRY_VERIFY(main.isFullScreen());
    QWidget *panel = boards.panel();
    QCOMPARE(panel->parentWidget(), &main);
    QVERIFY(!boards.window()->isVisible());
    const QRect counter = named<CounterLabel>(main, "lblCounter1")->geometry();
    const QRect toolbar = named<QWidget>(main, "Picture1")->geometry();
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->geometry().intersects(counter) && !panel->geometry().intersects(toolbar));
    QVERIFY(counter.height() >= (main.height() - toolbar.height()) / 3);
    QCOMPARE(panel->geometry().bottom(), main.rect().bottom());
    QCOMPARE(m_rig->button("countBoardButton")->isChecked(), true);
    // A board that is not drawn keeps no room: the counters have it all.
    panel->hide();
    QTRY_VERIFY(named<CounterLabel>(main, "lblCounter1")->geometry().bottom() > counter.bottom());
    panel->show();
    QTRY_COMPARE(named<CounterLabel>(main, "lblCounter1")->geometry(), counter);

    main.setFullScreen(false);
    QTRY_VERIFY(!main.isFullScreen());
    QCOMPARE(panel->window(), boards.window());
    QVERIFY(boards.window()->isVisible());
    QVERIFY(named<CounterLabel>(main, "lblCounter1")->geometry().height() < counter.height());

    QTest::mouseClick(m_rig->button("countBoardButton"), Qt::LeftButton);
    QVERIFY(!boards.window()->isVisible());
    QVERIFY(!m_rig->button("countBoardButton")->isChecked());
}

void CountBoardTest::keep_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("works");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("nextFileNumber");
    QTest::newRow("printed") << "cmdBoardPrint" << true << "" << 1;
    QTest::newRow("printer fails") << "cmdBoardPrint" << false << "The board has not been printed." << 1;
    QTest::newRow("saved") << "cmdBoardSave" << true << "" << 2;
    QTest::newRow("folder gone") << "cmdBoardSave" << false << "The board has not been saved." << 1;
}

void CountBoardTest::keep()
{
    QFETCH(QString, press);
    QFETCH(bool, works);
    QFETCH(QString, message);
    QFETCH(int, nextFileNumber);
    WindowMemory memory;
    ScriptedDialogs dialogs;
    FakePagePrinter printer;
    printer.works = works;
    CountBoardPanel panel(memory, dialogs, printer);
    panel.resize(1000, 500);
    for (const char *number : {"15", "30", "45"})
        panel.board(0)->append(QString::fromLatin1(number));
    QTemporaryDir folder;
    const QString path = folder.filePath(works ? "board1.png" : "gone/board1.png");
    dialogs.saveAnswers.enqueue(path);
    QTest::mouseClick(named<QPushButton>(panel, press.toLatin1().constData()), Qt::LeftButton);

    QCOMPARE(dialogs.messages.isEmpty() ? QString() : dialogs.messages.first().text, message);
    QCOMPARE(int(memory.boardFileNumber), nextFileNumber);
    if (press == "cmdBoardSave") {
        QCOMPARE(dialogs.saveRequests.first().suggestedName, QStringLiteral("board1.png"));
        QCOMPARE(QImage(path).size(), works ? panel.picture().size() : QSize(0, 0));
    } else {
        QCOMPARE(printer.printed.size(), 1);
    }
}

// A screen reader reads the board as a table of the numbers the class sees.
void CountBoardTest::readAsATable()
{
    WindowMemory memory;
    memory.boardRowLength = 4;
    ScriptedDialogs dialogs;
    FakePagePrinter printer;
    CountBoardPanel panel(memory, dialogs, printer);
    panel.resize(1000, 500);
    panel.show();
    CountBoard *board = panel.board(0);
    for (const char *number : {"15", "30", "45", "60", "75", "90"})
        board->append(QString::fromLatin1(number));
    board->tapAt(board->layout().cellRect(2, board->scrollOffset()).center());
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(board);
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->tableInterface()->rowCount(), 2);
    QCOMPARE(table->tableInterface()->columnCount(), 4);
    QCOMPARE(table->childCount(), 6);
    QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("90"));
    QCOMPARE(table->tableInterface()->cellAt(1, 2), nullptr);
    QCOMPARE(table->tableInterface()->selectedCells().value(0)->text(QAccessible::Name), QStringLiteral("45"));
    board->setNewestHidden(true);
    QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QString());
}

void CountBoardTest::narrowBoard_data()
{
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<int>("width");
    QTest::newRow("rows of 10 beside the window on a laptop") << 10 << 480;
    QTest::newRow("rows of 6, narrower still") << 6 << 320;
    QTest::newRow("rows of 20 on a wide board") << 20 << 1000;
}

// As narrow as its rows allow, the board keeps every control whole, a
// finger's size and clear of the others, and every column in view.
void CountBoardTest::narrowBoard()
{
    QFETCH(int, rowLength);
    QFETCH(int, width);
    WindowMemory memory;
    memory.boardRowLength = rowLength;
    ScriptedDialogs dialogs;
    FakePagePrinter printer;
    CountBoardPanel panel(memory, dialogs, printer);
    QVERIFY(panel.minimumSizeHint().width() <= width);
    panel.resize(width, 600);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QList<QRect> taken;
    for (QWidget *control : std::initializer_list<QWidget *>{panel.fewerButton, panel.moreButton, panel.clearMarksButton,
                                                             panel.copyButton, panel.saveButton, panel.printButton}) {
        const QRect at(control->mapTo(&panel, QPoint()), control->size());
        QVERIFY2(panel.rect().contains(at) && at.width() >= 44 && at.height() >= 44, qPrintable(control->objectName()));
        for (const QRect &other : std::as_const(taken))
            QVERIFY2(!at.intersects(other), qPrintable(control->objectName()));
        taken << at;
    }
    const CountBoard &board = *panel.board(0);
    for (const QRect &control : std::as_const(taken))
        QVERIFY(board.mapTo(&panel, QPoint()).y() > control.bottom());
    QVERIFY(rowLength * board.layout().cell.width() <= board.width());
}

int main(int argc, char *argv[])
{
    useTestDisplay();
    QApplication app(argc, argv);
    CountBoardTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_countboard.moc"
