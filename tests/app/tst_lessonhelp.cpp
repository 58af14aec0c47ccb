#include "app/AppController.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QDialog>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {

QList<HelpViewer *> helpWindows()
{
    QList<HelpViewer *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<HelpViewer *>(widget))
            windows << viewer;
    return windows;
}

} // namespace

// Help from the main window: one modeless help window, opened on the help
// file found by its bare name, and a program that goes on without it.
class LessonHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpOpensOneWindowAtTheStartPage();
    void f1OpensHelpInAnyWindow_data();
    void f1OpensHelpInAnyWindow();
    void missingHelpFileLeavesTheProgramUsable();
    void exitWithHelpOpenClosesIt();

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
    ScriptedDialogs m_dialogs;
    FakeClock m_clock;
    std::unique_ptr<FakePump> m_pump;
    std::unique_ptr<AppController> m_lesson;
    int m_ended = 0;  // times the program would have ended
};

void LessonHelpTest::init()
{
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
    m_pump = std::make_unique<FakePump>(m_clock);
    m_ended = 0;
    m_lesson = std::make_unique<AppController>(m_dialogs, m_clock, *m_pump, [this] { ++m_ended; });
    m_lesson->start();
}

void LessonHelpTest::cleanup()
{
    m_lesson.reset();
    m_pump.reset();
    QFile::remove(QDir(m_folder.path()).filePath(HelpViewer::helpFileName));
    QDir::setCurrent(m_previousFolder);
}

void LessonHelpTest::helpOpensOneWindowAtTheStartPage()
{
    QVERIFY(QFile::copy(QStringLiteral(HELP_FIXTURE), HelpViewer::helpFileName));
    MainWindow &main = m_lesson->mainWindow();
    named<QPushButton>(main, "cmdSettings")->setFocus();

    named<QPushButton>(main, "cmdHelp")->click();

    QCOMPARE(helpWindows().size(), 1);
    HelpViewer *viewer = helpWindows().front();
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->isModal());
    // A dialog of the main window: window managers keep it above that window.
    QCOMPARE(viewer->windowType(), Qt::Dialog);
    QCOMPARE(viewer->windowHandle()->transientParent(), main.windowHandle());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Fixture Help"));
    QCOMPARE(viewer->browser()->source().path(), QStringLiteral("/start.html"));
    QCOMPARE(main.focusWidget(), named<QPushButton>(main, "cmdSettings"));

    // Pressed again, Help brings the same window forward as the teacher left it.
    viewer->browser()->setSource(QUrl(QStringLiteral("chm:///other.html")));
    named<QPushButton>(main, "cmdHelp")->click();
    QCOMPARE(helpWindows(), QList<HelpViewer *>{viewer});
    QCOMPARE(viewer->browser()->source().path(), QStringLiteral("/other.html"));

    // Closed, it opens afresh at the start page.
    QPointer<HelpViewer> closed = viewer;
    viewer->close();
    QTRY_VERIFY(!closed);
    named<QPushButton>(main, "cmdHelp")->click();
    QCOMPARE(helpWindows().size(), 1);
    QCOMPARE(helpWindows().front()->browser()->source().path(), QStringLiteral("/start.html"));
}

void LessonHelpTest::f1OpensHelpInAnyWindow_data()
{
    QTest::addColumn<bool>("modal");
    QTest::addColumn<bool>("running");
    QTest::newRow("F1 in the main window") << false << false;
    QTest::newRow("F1 in a modal window") << true << false;
    QTest::newRow("F1 during a run, as the Help button") << false << true;
}

// Help asked for in a modal window is its own, so the teacher can scroll it.
void LessonHelpTest::f1OpensHelpInAnyWindow()
{
    QFETCH(bool, modal);
    QFETCH(bool, running);
    QVERIFY(QFile::copy(QStringLiteral(HELP_FIXTURE), HelpViewer::helpFileName));
    MainWindow &main = m_lesson->mainWindow();
    main.setRunning(running);
    QDialog dialog(&main);
    QWidget *window = &main;
    if (modal) {
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        window = &dialog;
    }
    QTest::keyClick(window, Qt::Key_F1);
    main.setRunning(false);
    QCOMPARE(helpWindows().size(), running ? 0 : 1);
    if (running)
        return;
    QVERIFY(helpWindows().front()->isVisible());
    QCOMPARE(helpWindows().front()->parentWidget(), window);
}

void LessonHelpTest::missingHelpFileLeavesTheProgramUsable()
{
    if (!HelpViewer::locate(HelpViewer::helpFileName).isEmpty())
        QSKIP("a help file is installed on this machine");
    MainWindow &main = m_lesson->mainWindow();

    named<QPushButton>(main, "cmdHelp")->click();

    QCOMPARE(helpWindows().size(), 1);
    QVERIFY(helpWindows().front()->browser()->toPlainText().contains(QLatin1String("Help is not available")));
    QVERIFY(m_dialogs.messages.isEmpty());
    named<QPushButton>(main, "cmdFontInc")->click();
    QCOMPARE(named<CounterLabel>(main, "lblCounter1")->fontPoints(), 116.0);
    named<QPushButton>(main, "cmdHelp")->click();
    QCOMPARE(helpWindows().size(), 1);
}

void LessonHelpTest::exitWithHelpOpenClosesIt()
{
    QVERIFY(QFile::copy(QStringLiteral(HELP_FIXTURE), HelpViewer::helpFileName));
    MainWindow &main = m_lesson->mainWindow();
    named<QPushButton>(main, "cmdHelp")->click();
    QPointer<HelpViewer> viewer = helpWindows().front();
    QCOMPARE(viewer->parentWidget(), &main);

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    named<QPushButton>(main, "cmdExit")->click();
    QCOMPARE(m_ended, 1);
    QTRY_VERIFY(!viewer);
}

QTEST_MAIN(LessonHelpTest)
#include "tst_lessonhelp.moc"
