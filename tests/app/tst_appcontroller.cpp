#include "app/AppController.h"
#include "platform/Twips.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePump.h"
#include "tests/support/Ink.h"
#include "tests/support/Named.h"
#include "tests/support/PauseAnswerer.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

// Whole lessons through the real main window and pause dialogs; only time
// and the standard dialogs are stand-ins.
class LessonTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startPauseContinueStop();
    void enterStartsAndPauseDialogComesBackAfterList();
    void hiddenCounterKeepsCountingFromPauseDialog();
    void closeDuringCountAnsweredNoGoesOn();
    void maximumCountReturnsToIdle();
    void quitEndsTheLessonWhereverItIs_data();
    void quitEndsTheLessonWhereverItIs();
    void pauseDialogLeftOffScreenComesBackOnIt_data();
    void pauseDialogLeftOffScreenComesBackOnIt();
    void pauseOnTheBoardLeavesTheDigitsClear_data();
    void pauseOnTheBoardLeavesTheDigitsClear();

private:
    void pressPauseWhenShowing(const QString &text);

    FakeClock *m_clock = nullptr;
    FakePump *m_pump = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    AppController *m_lesson = nullptr;
    int m_ended = 0;  // times the program would have ended
    PauseAnswerer *m_teacher = nullptr;
};

void LessonTest::init()
{
    m_clock = new FakeClock;
    m_pump = new FakePump(*m_clock);
    m_dialogs = new ScriptedDialogs;
    m_ended = 0;
    m_lesson = new AppController(*m_dialogs, *m_clock, *m_pump, [this] { ++m_ended; });
    m_teacher = new PauseAnswerer;
    m_lesson->mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_lesson->mainWindow()));
}

void LessonTest::cleanup()
{
    delete m_teacher;
    delete m_lesson;
    delete m_dialogs;
    delete m_pump;
    delete m_clock;
}

// Presses the real Pause button while the given value is on the counter.
void LessonTest::pressPauseWhenShowing(const QString &text)
{
    m_pump->beforePump = [this, text] {
        MainWindow &main = m_lesson->mainWindow();
        if (named<CounterLabel>(main, "lblCounter1")->text() == text && named<QPushButton>(main, "cmdStop")->isEnabled())
            QTest::mouseClick(named<QPushButton>(main, "cmdStop"), Qt::LeftButton);
    };
}

void LessonTest::startPauseContinueStop()
{
    MainWindow &main = m_lesson->mainWindow();
    const auto button = [&](const char *name) { return named<QPushButton>(main, name); };
    QStringList shownDuringRun;
    bool runSetDisabled = false;
    m_teacher->presses << "cmdContinue" << "cmdStopit";
    const QPoint dragged(90, 40);
    m_teacher->onShown = [&](PauseDialog *dialog) {
        shownDuringRun << named<CounterLabel>(main, "lblCounter1")->text();
        runSetDisabled = !button("cmdStart")->isEnabled() && !button("cmdSettings")->isEnabled()
            && !button("cmdExit")->isEnabled() && button("cmdFaster")->isEnabled();
        if (shownDuringRun.size() == 1) {
            pressPauseWhenShowing("6");
            dialog->move(dialog->pos() + dragged);
        }
    };
    pressPauseWhenShowing("3");
    QTest::mouseClick(button("cmdStart"), Qt::LeftButton);

    QCOMPARE(shownDuringRun, QStringList({"3", "6"}));
    QVERIFY(runSetDisabled);
    QCOMPARE(m_teacher->dialogsSeen, QStringList({"frmPaused", "frmPaused"}));
    const QPoint first = main.pos() + twipsPoint(400, 400);
    QCOMPARE(m_teacher->placesSeen, QList<QPoint>({first, first + dragged}));
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("6"));
    QCOMPARE(m_lesson->session().countIndex, 6);
    for (QPushButton *b : {button("cmdStart"), button("cmdSettings"), button("cmdFontInc"), button("cmdFontDec"),
                           button("cmdFontCol"), button("cmdBackCol"), button("cmdHelp"), button("cmdExit"),
                           button("cmdToolbar")})
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(main.focusWidget(), button("cmdStart"));
    QCOMPARE(main.defaultButton(), button("cmdStop"));
    QVERIFY(main.findChild<OneCounterPauseDialog *>() == nullptr);  // Stop Counting destroys the dialog
}

void LessonTest::enterStartsAndPauseDialogComesBackAfterList()
{
    MainWindow &main = m_lesson->mainWindow();
    int lists = 0;
    m_lesson->view().setListAction([&] { ++lists; });
    m_teacher->presses << "cmdList" << "cmdPredict" << "cmdStopit";
    m_dialogs->textAnswers.enqueue("3");
    pressPauseWhenShowing("1");
    named<QPushButton>(main, "cmdStart")->setFocus();
    QTest::keyClick(named<QPushButton>(main, "cmdStart"), Qt::Key_Return);

    QCOMPARE(lists, 1);
    QCOMPARE(m_teacher->dialogsSeen.size(), 3);
    QCOMPARE(m_teacher->placesSeen[1], m_teacher->placesSeen[0]);
    QCOMPARE(m_dialogs->questions, QList<Question>({Messages::nextNumber(), Messages::nextNumber()}));
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::tryAgain()});
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("1"));
}

void LessonTest::hiddenCounterKeepsCountingFromPauseDialog()
{
    MainWindow &main = m_lesson->mainWindow();
    m_teacher->presses << "cmdContinue" << "cmdStopit";
    m_teacher->onShown = [&](PauseDialog *dialog) {
        if (m_teacher->dialogsSeen.size() == 1) {
            QTest::mouseClick(named<QPushButton>(*dialog, "cmdMaskC1"), Qt::LeftButton);  // then the scripted press
            pressPauseWhenShowing("5");
        }
    };
    pressPauseWhenShowing("2");
    QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);

    QVERIFY(named<CounterLabel>(main, "lblCounter1")->isMasked());
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("5"));
}

void LessonTest::closeDuringCountAnsweredNoGoesOn()
{
    MainWindow &main = m_lesson->mainWindow();
    m_dialogs->messageAnswers.enqueue(MessageAnswer::No);
    bool asked = false;
    m_pump->beforePump = [&] {
        if (named<CounterLabel>(main, "lblCounter1")->text() == "2" && !asked) {
            asked = true;
            main.close();
        }
        if (named<CounterLabel>(main, "lblCounter1")->text() == "4")
            QTest::mouseClick(named<QPushButton>(main, "cmdStop"), Qt::LeftButton);
    };
    QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::confirmClose()});
    QCOMPARE(m_ended, 0);
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("4"));
}

void LessonTest::maximumCountReturnsToIdle()
{
    MainWindow &main = m_lesson->mainWindow();
    m_lesson->session().speed = 0;
    QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::maximumCount()});
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("32767"));
    QVERIFY(named<QPushButton>(main, "cmdStart")->isEnabled());
    QCOMPARE(main.focusWidget(), named<QPushButton>(main, "cmdStart"));
}

void LessonTest::quitEndsTheLessonWhereverItIs_data()
{
    QTest::addColumn<QByteArray>("pausePress");  // empty: no pause
    QTest::addColumn<QString>("quitOver");       // the window open when the program ends
    QTest::newRow("while counting") << QByteArray() << "frmMain";
    QTest::newRow("while paused") << QByteArray("cmdContinue") << "frmPaused";
    QTest::newRow("with the list open") << QByteArray("cmdList") << "frmList";
    QTest::newRow("with the graph open") << QByteArray("cmdGraph") << "frmGraph";
}

// The program is closed from inside a nested wait or window: every window
// goes, the run ends, and nothing is left that could run after the lesson.
void LessonTest::quitEndsTheLessonWhereverItIs()
{
    QFETCH(QByteArray, pausePress);
    QFETCH(QString, quitOver);
    MainWindow &main = m_lesson->mainWindow();
    if (pausePress.isEmpty()) {
        m_pump->beforePump = [&] {
            if (named<CounterLabel>(main, "lblCounter1")->text() == "2" && !m_ended)
                m_lesson->quit();
        };
    } else {
        m_teacher->presses << pausePress;
        pressPauseWhenShowing("2");
        m_teacher->onShown = [&](PauseDialog *dialog) {
            if (dialog->objectName() == quitOver)
                m_lesson->quit();
        };
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            const QWidget *open = QApplication::activeModalWidget();
            if (open && open->objectName() == quitOver && !m_ended)
                m_lesson->quit();
        });
        watcher.start(1);
        QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);
    }
    if (pausePress.isEmpty())
        QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);

    QCOMPARE(m_ended, 1);
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("2"));
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(window == &main || !window->isVisible(), qPrintable(window->objectName()));
    // A Start reaching the program as it closes begins nothing.
    named<QPushButton>(main, "cmdStart")->click();
    QCOMPARE(m_lesson->session().countIndex, 2);
}

void LessonTest::pauseDialogLeftOffScreenComesBackOnIt_data()
{
    QTest::addColumn<QPointF>("remembered");  // twips
    QTest::newRow("far left and above") << QPointF(-60000, -60000);
    QTest::newRow("far right and below") << QPointF(600000, 600000);
}

void LessonTest::pauseDialogLeftOffScreenComesBackOnIt()
{
    QFETCH(QPointF, remembered);
    m_lesson->windowMemory().pauseDialogPlacement = {true, remembered, std::nullopt};
    QRect shownAt;
    m_teacher->onShown = [&](PauseDialog *dialog) { shownAt = dialog->frameGeometry(); };
    pressPauseWhenShowing("1");
    QTest::mouseClick(named<QPushButton>(m_lesson->mainWindow(), "cmdStart"), Qt::LeftButton);

    const QRect screen = m_lesson->mainWindow().screen()->availableGeometry();
    QVERIFY2(screen.contains(shownAt), qPrintable(QStringLiteral("%1,%2 %3 x %4")
                                                      .arg(shownAt.x()).arg(shownAt.y())
                                                      .arg(shownAt.width()).arg(shownAt.height())));
}

void LessonTest::pauseOnTheBoardLeavesTheDigitsClear_data()
{
    QTest::addColumn<int>("counters");
    QTest::newRow("one counter") << 1;
    QTest::newRow("two counters") << 2;
}

// In full screen the pause strip stands centred at the board's foot, below
// every digit drawn. Escape gives the window back with the strip still open,
// where it stands in the window.
void LessonTest::pauseOnTheBoardLeavesTheDigitsClear()
{
    QFETCH(int, counters);
    MainWindow &main = m_lesson->mainWindow();
    m_lesson->session().counterCount = std::int16_t(counters);
    main.setTwoCounterMode(counters == 2);
    main.setFullScreen(true);
    QTRY_VERIFY(main.isFullScreen());
    const QRect board = main.geometry();
    m_lesson->windowMemory().pauseDialogPlacement = {true, QPointF(1500, 1200), std::nullopt};
    QRect strip;
    QRect digits;
    QString escaped;
    m_teacher->onShown = [&](PauseDialog *dialog) {
        strip = dialog->frameGeometry();
        for (const char *name : {"lblCounter1", "lblCounter2"}) {
            const QRect counter = named<CounterLabel>(main, name)->geometry();
            if (!counter.isEmpty())
                digits |= inkBox(main, counter, main.backgroundColour()).translated(main.mapToGlobal(QPoint()));
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
        escaped = QStringLiteral("%1 %2 %3").arg(main.isFullScreen() ? "full screen" : "window",
                                                dialog->isVisible() ? "open" : "closed",
                                                dialog->pos() == twipsPoint(1500, 1200) && !dialog->isOnBoard() ? "at its place" : "elsewhere");
    };
    pressPauseWhenShowing("1");
    QTest::mouseClick(named<QPushButton>(main, "cmdStart"), Qt::LeftButton);

    QVERIFY(!digits.isEmpty());
    QVERIFY2(!strip.intersects(digits), qPrintable(QStringLiteral("strip %1,%2 %3x%4, digits down to %5")
                                                       .arg(strip.x()).arg(strip.y()).arg(strip.width())
                                                       .arg(strip.height()).arg(digits.bottom())));
    QVERIFY2(board.contains(strip), qPrintable(QStringLiteral("strip %1,%2 %3x%4 on %5x%6").arg(strip.x()).arg(strip.y()).arg(strip.width()).arg(strip.height()).arg(board.width()).arg(board.height())));
    QVERIFY(std::abs(strip.center().x() - board.center().x()) <= 1);
    QCOMPARE(escaped, QStringLiteral("window open at its place"));
}

QTEST_MAIN(LessonTest)
#include "tst_appcontroller.moc"
