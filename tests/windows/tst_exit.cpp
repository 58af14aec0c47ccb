#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/main/MainWindow.h"

#include <QTest>

// Exit asks once; Yes ends the program at once, with no close question.
class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void exitAsksOnce_data();
    void exitAsksOnce();
};

void ExitTest::exitAsksOnce_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("ends");

    QTest::newRow("No keeps the program") << MessageAnswer::No << 0;
    QTest::newRow("Yes ends it") << MessageAnswer::Yes << 1;
}

void ExitTest::exitAsksOnce()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(int, ends);

    CountingSession session;

    WindowMemory memory;
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakePump pump{clock};
    MainWindow main(session, memory, dialogs);
    int ended = 0;
    QObject::connect(&main, &MainWindow::quitRequested, [&] { ++ended; });
    main.start(clock, pump);
    named<CounterLabel>(main, "lblCounter1")->setText(QStringLiteral("42"));
    named<QPushButton>(main, "cmdExit")->setFocus();
    dialogs.messageAnswers.enqueue(answer);

    named<QPushButton>(main, "cmdExit")->click();

    QCOMPARE(ended, ends);
    QCOMPARE(dialogs.messages, QList<Message>{Messages::confirmExit()});
    QCOMPARE(dialogs.messages.front().text, QStringLiteral("Are you sure you want to Quit Tallyvane?"));
    if (ends == 0) {
        QCOMPARE(main.focusWidget(), named<QPushButton>(main, "cmdStart"));
        QVERIFY(main.isVisible());
        QCOMPARE(named<CounterLabel>(main, "lblCounter1")->text(), QStringLiteral("42"));
    }
}

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
