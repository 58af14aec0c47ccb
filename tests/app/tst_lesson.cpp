#include "FakeClock.h"
#include "FakePump.h"
#include "Lesson.h"
#include "PauseAnswerer.h"
#include "ScriptedDialogs.h"
#include "Twips.h"

#include <QScreen>
#include <QTest>

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
    void pauseDialogLeftOffScreenComesBackOnIt_data();
    void pauseDialogLeftOffScreenComesBackOnIt();

private:
    void pressPauseWhenShowing(const QString &text);

    FakeClock *m_clock = nullptr;
    FakePump *m_pump = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    Lesson *m_lesson = nullptr;
    PauseAnswerer *m_teacher = nullptr;
};

void LessonTest::init()
{
    m_clock = new FakeClock;
    m_pump = new FakePump(*m_clock);
    m_dialogs = new ScriptedDialogs;
    m_lesson = new Lesson(*m_dialogs, *m_clock, *m_pump);
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
        frmMain &main = m_lesson->mainWindow();
        if (main.lblCounter1->text() == text && main.toolbar()->cmdStop->isEnabled())
            QTest::mouseClick(main.toolbar()->cmdStop, Qt::LeftButton);
    };
}

void LessonTest::startPauseContinueStop()
{
    frmMain &main = m_lesson->mainWindow();
    Toolbar *toolbar = main.toolbar();
    QStringList shownDuringRun;
    bool runSetDisabled = false;
    m_teacher->presses << "cmdContinue" << "cmdStopit";
    m_teacher->onShown = [&](PauseDialog *) {
        shownDuringRun << main.lblCounter1->text();
        runSetDisabled = !toolbar->cmdStart->isEnabled() && !toolbar->cmdSettings->isEnabled()
            && !toolbar->cmdExit->isEnabled() && toolbar->cmdFaster->isEnabled();
        if (shownDuringRun.size() == 1)
            pressPauseWhenShowing("6");
    };
    pressPauseWhenShowing("3");
    QTest::mouseClick(toolbar->cmdStart, Qt::LeftButton);

    QCOMPARE(shownDuringRun, QStringList({"3", "6"}));
    QVERIFY(runSetDisabled);
    QCOMPARE(m_teacher->dialogsSeen, QStringList({"frmPaused", "frmPaused"}));
    const QPoint first = main.pos() + twipsPoint(400, 400);
    QCOMPARE(m_teacher->placesSeen.first(), first);
    QCOMPARE(main.lblCounter1->text(), QStringLiteral("6"));
    QCOMPARE(m_lesson->session().countIndex, 6);
    for (QPushButton *b : {toolbar->cmdStart, toolbar->cmdSettings, toolbar->cmdFontInc, toolbar->cmdFontDec,
                           toolbar->cmdFontCol, toolbar->cmdBackCol, toolbar->cmdHelp, toolbar->cmdExit,
                           toolbar->cmdToolbar})
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(main.focusWidget(), toolbar->cmdStart);
    QCOMPARE(main.defaultButton(), toolbar->cmdStop);
    QVERIFY(main.findChild<frmPaused *>() == nullptr);  // Stop Counting destroys the dialog
}

void LessonTest::enterStartsAndPauseDialogComesBackAfterList()
{
    frmMain &main = m_lesson->mainWindow();
    int lists = 0;
    m_lesson->view().setListAction([&] { ++lists; });
    m_teacher->presses << "cmdList" << "cmdPredict" << "cmdStopit";
    m_dialogs->textAnswers.enqueue("3");
    pressPauseWhenShowing("1");
    main.toolbar()->cmdStart->setFocus();
    QTest::keyClick(main.toolbar()->cmdStart, Qt::Key_Return);

    QCOMPARE(lists, 1);
    QCOMPARE(m_teacher->dialogsSeen.size(), 3);
    QCOMPARE(m_teacher->placesSeen[1], m_teacher->placesSeen[0]);
    QCOMPARE(m_dialogs->questions, QList<Question>({Messages::nextNumber(), Messages::nextNumber()}));
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::tryAgain()});
    QCOMPARE(main.lblCounter1->text(), QStringLiteral("1"));
}

void LessonTest::hiddenCounterKeepsCountingFromPauseDialog()
{
    frmMain &main = m_lesson->mainWindow();
    m_teacher->presses << "cmdContinue" << "cmdStopit";
    m_teacher->onShown = [&](PauseDialog *dialog) {
        if (m_teacher->dialogsSeen.size() == 1) {
            QTest::mouseClick(dialog->button("cmdMaskC1"), Qt::LeftButton);  // then the scripted press
            pressPauseWhenShowing("5");
        }
    };
    pressPauseWhenShowing("2");
    QTest::mouseClick(main.toolbar()->cmdStart, Qt::LeftButton);

    QVERIFY(main.lblCounter1->isMasked());
    QCOMPARE(main.lblCounter1->text(), QStringLiteral("5"));
}

void LessonTest::closeDuringCountAnsweredNoGoesOn()
{
    frmMain &main = m_lesson->mainWindow();
    int ended = 0;
    main.setEndProgram([&] { ++ended; });
    m_dialogs->messageAnswers.enqueue(MessageAnswer::No);
    bool asked = false;
    m_pump->beforePump = [&] {
        if (main.lblCounter1->text() == "2" && !asked) {
            asked = true;
            main.close();
        }
        if (main.lblCounter1->text() == "4")
            QTest::mouseClick(main.toolbar()->cmdStop, Qt::LeftButton);
    };
    QTest::mouseClick(main.toolbar()->cmdStart, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::confirmClose()});
    QCOMPARE(ended, 0);
    QCOMPARE(main.lblCounter1->text(), QStringLiteral("4"));
}

void LessonTest::maximumCountReturnsToIdle()
{
    frmMain &main = m_lesson->mainWindow();
    m_lesson->session().speed = 0;
    QTest::mouseClick(main.toolbar()->cmdStart, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QList<Message>{Messages::maximumCount()});
    QCOMPARE(main.lblCounter1->text(), QStringLiteral("32767"));
    QVERIFY(main.toolbar()->cmdStart->isEnabled());
    QCOMPARE(main.focusWidget(), main.toolbar()->cmdStart);
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
    CountingSession &session = m_lesson->session();
    session.pauseDialogPlaced = true;
    session.pauseDialogLeft = float(remembered.x());
    session.pauseDialogTop = float(remembered.y());
    QRect shownAt;
    m_teacher->onShown = [&](PauseDialog *dialog) { shownAt = dialog->frameGeometry(); };
    pressPauseWhenShowing("1");
    QTest::mouseClick(m_lesson->mainWindow().toolbar()->cmdStart, Qt::LeftButton);

    const QRect screen = m_lesson->mainWindow().screen()->availableGeometry();
    QVERIFY2(screen.contains(shownAt), qPrintable(QStringLiteral("%1,%2 %3 x %4")
                                                      .arg(shownAt.x()).arg(shownAt.y())
                                                      .arg(shownAt.width()).arg(shownAt.height())));
}

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
