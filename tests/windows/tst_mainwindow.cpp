#include "platform/Twips.h"
#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/main/MainWindow.h"
#include "windows/main/TitleScreen.h"

#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowAtStart();
    void toolbarButtons_data();
    void toolbarButtons();
    void tabOrderSkipsHideShowButtons();
    void countersAtStart();
    void resizeChangesOnlyWidths();
    void closeAsksFirst_data();
    void closeAsksFirst();
    void maskC1HidesAndShows();
    void titleScreen();
    void titleWaitsOnTheClock();

private:
    CountingSession *m_session = nullptr;
    WindowMemory m_memory;
    ScriptedDialogs *m_dialogs = nullptr;
    MainWindow *m_main = nullptr;
    int m_ended = 0;
};

void MainWindowTest::init()
{
    m_session = new CountingSession;
    m_dialogs = new ScriptedDialogs;
    m_memory = WindowMemory{};
    m_main = new MainWindow(*m_session, m_memory, *m_dialogs);
    m_ended = 0;
    connect(m_main, &MainWindow::quitRequested, this, [this] { ++m_ended; });
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void MainWindowTest::cleanup()
{
    delete m_main;
    delete m_dialogs;
    delete m_session;
}

void MainWindowTest::windowAtStart()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tallyvane"));
    QCOMPARE(m_main->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_main->size(), twipsSize(11310, 7935));
    QCOMPARE(m_main->defaultButton(), named<QPushButton>(*m_main, "cmdStart"));
    QVERIFY(!m_main->windowIcon().isNull());
    const QWidget *panel = m_main->findChild<QWidget *>("Picture1");
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(0, 0, m_main->width(), twipsToPixels(655)));
}

void MainWindowTest::toolbarButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<int>("left");
    QTest::addColumn<bool>("shown");
    QTest::newRow("start") << "cmdStart" << "Start" << 0 << true;
    QTest::newRow("pause") << "cmdStop" << "Pause" << 600 << true;
    QTest::newRow("faster") << "cmdFaster" << "Count Faster" << 1200 << true;
    QTest::newRow("slower") << "cmdSlower" << "Count Slower" << 1800 << true;
    QTest::newRow("mask top") << "cmdMaskCounter1" << "Hide/Show Top Counter" << 2400 << false;
    QTest::newRow("mask bottom") << "cmdMaskCounter2" << "Hide/Show Bottom Counter" << 3000 << false;
    QTest::newRow("mask one") << "cmdMaskC1" << "Hide/Show Counter" << 3000 << true;
    QTest::newRow("mask both") << "cmdMaskBoth" << "Hide/Show Both Counters" << 3600 << false;
    QTest::newRow("settings") << "cmdSettings" << "Settings" << 4200 << true;
    QTest::newRow("font up") << "cmdFontInc" << "Increase Font Size" << 4800 << true;
    QTest::newRow("font down") << "cmdFontDec" << "Decrease Font Size" << 5400 << true;
    QTest::newRow("font colour") << "cmdFontCol" << "Change Font Colour" << 6000 << true;
    QTest::newRow("background") << "cmdBackCol" << "Change Background Colour" << 6600 << true;
    QTest::newRow("toolbar") << "cmdToolbar" << "Move Toolbar" << 7200 << true;
    QTest::newRow("help") << "cmdHelp" << "Help" << 7800 << true;
    QTest::newRow("exit") << "cmdExit" << "Exit" << 8400 << true;
    QTest::newRow("full screen") << "cmdFullScreen" << "Full Screen" << 9000 << true;
    QTest::newRow("count board") << "countBoardButton" << "Count Board" << 9600 << true;
    QTest::newRow("class answers") << "classAnswersButton" << "Class Answers" << 10200 << true;
}

void MainWindowTest::toolbarButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    QFETCH(int, left);
    QFETCH(bool, shown);
    auto *button = m_main->findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(button->accessibleName(), tooltip);
    QCOMPARE(button->text(), QString());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->geometry(), twipsRect(left, 0, 600, 600));
    QCOMPARE(button->isVisible(), shown);
    QCOMPARE(button->isEnabled(), shown);
}

void MainWindowTest::tabOrderSkipsHideShowButtons()
{
    const QStringList expected = {"cmdStart", "cmdStop", "cmdFaster", "cmdSlower", "cmdSettings", "cmdFontInc",
                                  "cmdFontDec", "cmdFontCol", "cmdBackCol", "cmdToolbar", "cmdHelp", "cmdExit",
                                  "cmdFullScreen", "countBoardButton", "classAnswersButton"};
    named<QPushButton>(*m_main, "cmdStart")->setFocus();
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdStart"));
}

void MainWindowTest::countersAtStart()
{
    const CounterLabel *c1 = named<CounterLabel>(*m_main, "lblCounter1");
    const CounterLabel *c2 = named<CounterLabel>(*m_main, "lblCounter2");
    QCOMPARE(c1->text(), QStringLiteral("0"));
    QCOMPARE(c2->text(), QString());
    for (const CounterLabel *c : {c1, c2}) {
        QCOMPARE(c->font().family(), QStringLiteral("Arial"));
        QVERIFY(c->font().bold());
        QCOMPARE(c->fontPoints(), 104.0);
        QCOMPARE(c->heightTwips(), 2280.0);
        QCOMPARE(c->x(), twipsToPixels(120));
        QCOMPARE(c->width(), m_main->width());
        QCOMPARE(c->backgroundColour(), m_main->backgroundColour());
        QVERIFY(!c->isMasked());
    }
    QCOMPARE(c1->topTwips(), 800.0);
    QCOMPARE(c2->topTwips(), 3080.0);
}

void MainWindowTest::resizeChangesOnlyWidths()
{
    const QRect before1 = named<CounterLabel>(*m_main, "lblCounter1")->geometry();
    const double fontBefore = named<CounterLabel>(*m_main, "lblCounter1")->fontPoints();
    m_main->resize(1200, 700);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->width(), 1200);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter2")->width(), 1200);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->x(), before1.x());
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->y(), before1.y());
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->height(), before1.height());
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->fontPoints(), fontBefore);
    QCOMPARE(m_main->findChild<QWidget *>("Picture1")->width(), 1200);
}

void MainWindowTest::closeAsksFirst_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("ended");
    QTest::newRow("no") << MessageAnswer::No << 0;
    QTest::newRow("yes") << MessageAnswer::Yes << 1;
}

void MainWindowTest::closeAsksFirst()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(int, ended);
    m_dialogs->messageAnswers.enqueue(answer);
    m_main->close();
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::confirmClose()});
    QCOMPARE(m_ended, ended);
    QVERIFY(m_main->isVisible());  // No keeps it; Yes ends the program, not just the window
}

void MainWindowTest::maskC1HidesAndShows()
{
    CounterLabel *c1 = named<CounterLabel>(*m_main, "lblCounter1");
    const QColor background = m_main->backgroundColour();
    QTest::mouseClick(named<QPushButton>(*m_main, "cmdMaskC1"), Qt::LeftButton);
    QVERIFY(c1->isMasked());
    QCOMPARE(c1->backgroundColour(), c1->textColour());
    QTest::mouseClick(named<QPushButton>(*m_main, "cmdMaskC1"), Qt::LeftButton);
    QVERIFY(!c1->isMasked());
    QCOMPARE(c1->backgroundColour(), background);
    QVERIFY(!named<CounterLabel>(*m_main, "lblCounter2")->isMasked());
}

void MainWindowTest::titleScreen()
{
    TitleScreen title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QCOMPARE(title.size(), twipsSize(6885, 4500));
    QCOMPARE(title.palette().color(QPalette::Window), QColor(128, 0, 128));
    QCOMPARE(title.windowTitle(), QString());
    QVERIFY(title.testAttribute(Qt::WA_TransparentForMouseEvents));

    const auto *name = title.findChild<QLabel *>("Label1");
    const auto *version = title.findChild<QLabel *>("Label6");
    QCOMPARE(name->text(), QStringLiteral("Tallyvane"));
    QCOMPARE(name->font().pointSizeF(), 30.0);
    QCOMPARE(name->geometry(), twipsRect(120, 120, 6615, 1455));
    QCOMPARE(version->text(), QStringLiteral("version 4.0d"));
    QCOMPARE(version->palette().color(QPalette::WindowText), QColor(255, 255, 128));
    const auto *collage = title.findChild<QSvgWidget *>("Image1");
    const auto *classroom = title.findChild<QSvgWidget *>("Image2");
    QVERIFY(collage && classroom);
    QCOMPARE(collage->geometry(), twipsRect(240, 1560, 2265, 1815));
    QCOMPARE(classroom->geometry(), twipsRect(4440, 1560, 2295, 1935));
    QVERIFY(collage->renderer()->isValid());
    QVERIFY(classroom->renderer()->isValid());
}

void MainWindowTest::titleWaitsOnTheClock()
{
    // Start-up shows the title for a little over four seconds of the clock,
    // then the defaults and the main window.
    FakeClock clock;
    FakePump pump{clock};
    CountingSession session;
    WindowMemory memory;
    memory.keypadOnRight = false;
    memory.listFileNumber = 9;
    ScriptedDialogs dialogs;
    MainWindow main(session, memory, dialogs);
    const double before = clock.now();
    main.start(clock, pump);
    QVERIFY(clock.now() > before + 4.0);
    QVERIFY(clock.now() < before + 4.5);
    QCOMPARE(pump.holds, 1);
    QVERIFY(main.isVisible());
    QVERIFY(memory.keypadOnRight);
    QCOMPARE(memory.listFileNumber, 1);
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("0"));
    for (const QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(w->objectName() != QStringLiteral("frmCountTitle"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
