#include "engine/NumberText.h"
#include "tests/support/AppRig.h"
#include "tests/support/DataFolder.h"
#include "tests/support/LessonList.h"
#include "tests/support/ModalScript.h"
#include "tests/support/SessionSettings.h"
#include "windows/settings/SettingsDialog.h"

#include <QTest>

namespace {

// The whole program on fake time: the settings dialog is opened through the
// main window's Settings button and worked while it is modal.
struct Rig : AppRig {
    ModalScript script;

    Rig() { lesson.start(); }
    MainWindow &main() { return lesson.mainWindow(); }

    void settings(const std::function<void(SettingsDialog *)> &work)
    {
        script.then([work](QDialog *dialog) {
            if (auto *settings = qobject_cast<SettingsDialog *>(dialog))
                work(settings);
            else
                dialog->done(0);
        });
        button("cmdSettings")->click();
    }

    // Settings, Lessons…, the lesson tapped, Use Lesson and OK.
    void useLesson(const QString &name)
    {
        settings([this, name](SettingsDialog *s) {
            script.then([name](QDialog *lessons) {
                QVERIFY(tapLesson(*lessons, name));
                named<QPushButton>(*lessons, "cmdUse")->click();
            });
            named<QPushButton>(*s, "cmdLessons")->click();
            named<QPushButton>(*s, "cmdOK")->click();
        });
    }
};

// What OK may change in the main window.
struct MainState {
    QString caption1;
    QString caption2;
    QList<bool> maskShown;
    QList<bool> maskEnabled;
    friend bool operator==(const MainState &, const MainState &) = default;
};

MainState stateOf(MainWindow &main)
{
    MainState state{named<CounterLabel>(main, "lblCounter1")->text(), named<CounterLabel>(main, "lblCounter2")->text(), {}, {}};
    for (const char *name : {"cmdMaskC1", "cmdMaskCounter1", "cmdMaskCounter2", "cmdMaskBoth"}) {
        const QPushButton *b = named<QPushButton>(main, name);
        state.maskShown << b->isVisibleTo(&main);
        state.maskEnabled << b->isEnabled();
    }
    return state;
}

} // namespace

Q_DECLARE_METATYPE(LessonLook)

class SettingsLessonTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void okAppliesToMainWindow_data();
    void okAppliesToMainWindow();
    void enterActsAsOk_data();
    void enterActsAsOk();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void twoCounterRunPausesIntoFrmPaused2();
    void squareNumbersFromTheLessonList();
    void routineLessonsRunByThemselves_data();
    void routineLessonsRunByThemselves();
    void aSavedLessonBringsBackTheLook_data();
    void aSavedLessonBringsBackTheLook();
};

void SettingsLessonTest::okAppliesToMainWindow_data()
{
    QTest::addColumn<bool>("counter2On");
    QTest::addColumn<MainState>("expected");
    QTest::newRow("counter 2 off") << false << MainState{"007", "", {true, false, false, false}, {true, false, false, false}};
    QTest::newRow("counter 2 on") << true << MainState{"007", "-5", {false, true, true, true}, {false, true, true, true}};
}

void SettingsLessonTest::okAppliesToMainWindow()
{
    QFETCH(bool, counter2On);
    QFETCH(MainState, expected);
    Rig rig;
    rig.settings([&](SettingsDialog *s) {
        named<QLineEdit>(*s, "txtF")->setText("007");
        named<QLineEdit>(*s, "txtF2")->setText("-5");
        named<QCheckBox>(*s, "chkC2on")->setChecked(counter2On);
        named<QPushButton>(*s, "cmdOK")->click();
    });
    QVERIFY(stateOf(rig.main()) == expected);
    QCOMPARE(rig.main().focusWidget(), rig.button("cmdStart"));
    QCOMPARE(rig.lesson.session().counter1.firstNumber.toDouble(), 7.0);
    QVERIFY(rig.script.unexpected.isEmpty());
}

void SettingsLessonTest::enterActsAsOk_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("in a box") << "txtS";
    QTest::newRow("in a counter 2 box") << "txtI2";
    QTest::newRow("after a keypad key") << "cmd5";
}

void SettingsLessonTest::enterActsAsOk()
{
    QFETCH(QString, where);
    Rig rig;
    rig.settings([&](SettingsDialog *s) {
        named<QCheckBox>(*s, "chkC2on")->setChecked(true);
        QWidget *target = s->findChild<QWidget *>(where);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClick(target, Qt::Key_Return);
        if (s->isVisible())
            named<QPushButton>(*s, "cmdCancel")->click();
    });
    QCOMPARE(rig.lesson.session().counterCount, 2);
    QCOMPARE(named<CounterLabel>(rig.main(), "lblCounter2")->text(), QStringLiteral("0"));
}

void SettingsLessonTest::cancelLeavesEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close";
}

void SettingsLessonTest::cancelLeavesEverything()
{
    QFETCH(QString, how);
    Rig rig;
    rig.settings([](SettingsDialog *s) {
        named<QLineEdit>(*s, "txtF")->setText("3");
        named<QCheckBox>(*s, "chkC2on")->setChecked(true);
        named<QLineEdit>(*s, "txtF2")->setText("4");
        named<QPushButton>(*s, "cmdOK")->click();
    });
    const auto settings = settingsOf(rig.lesson.session());
    const MainState main = stateOf(rig.main());
    rig.button("cmdToolbar")->setFocus();

    rig.settings([&](SettingsDialog *s) {
        for (QLineEdit *box : s->boxes())
            box->setText("99");
        named<QCheckBox>(*s, "chkC2on")->setChecked(false);
        if (how == "Cancel")
            QTest::mouseClick(named<QPushButton>(*s, "cmdCancel"), Qt::LeftButton);
        else if (how == "Escape")
            QTest::keyClick(named<QLineEdit>(*s, "txtS"), Qt::Key_Escape);
        else
            s->close();
    });
    QVERIFY(settingsOf(rig.lesson.session()) == settings);
    QVERIFY(stateOf(rig.main()) == main);
    QCOMPARE(rig.main().focusWidget(), rig.button("cmdStart"));
}

void SettingsLessonTest::twoCounterRunPausesIntoFrmPaused2()
{
    Rig rig;
    rig.settings([](SettingsDialog *s) {
        QTest::mouseClick(named<QCheckBox>(*s, "chkC2on"), Qt::LeftButton);
        named<QLineEdit>(*s, "txtS")->setText("1");
        named<QLineEdit>(*s, "txtI")->setText("1");
        named<QLineEdit>(*s, "txtF2")->setText("10");
        named<QLineEdit>(*s, "txtS2")->setText("5");
        named<QPushButton>(*s, "cmdOK")->click();
    });

    int pumps = 0;
    rig.pump.beforePump = [&] {
        if (++pumps == 4)
            rig.button("cmdStop")->click();
    };
    QString atPause1, atPause2;
    rig.script.then([&](QDialog *paused) {
        atPause1 = named<CounterLabel>(rig.main(), "lblCounter1")->text();
        atPause2 = named<CounterLabel>(rig.main(), "lblCounter2")->text();
        paused->findChild<QPushButton *>("cmdStopit")->click();
    });
    rig.button("cmdStart")->click();

    QCOMPARE(rig.script.shown.last(), QStringLiteral("frmPaused2"));
    QVERIFY(rig.script.unexpected.isEmpty());
    const CountingSession &s = rig.lesson.session();
    QVERIFY(s.countIndex >= 2);
    for (int k = 0; k <= s.countIndex; ++k) {
        QCOMPARE((*s.history1)[k], k * (k + 1) / 2.0);
        QCOMPARE((*s.history2)[k], 10.0 + 5 * k);
    }
    QCOMPARE(atPause1, numberToText((*s.history1)[s.countIndex]));
    QCOMPARE(atPause2, numberToText((*s.history2)[s.countIndex]));
    QVERIFY(rig.button("cmdStart")->isEnabled());
}

void SettingsLessonTest::squareNumbersFromTheLessonList()
{
    DataFolder data;
    Rig rig;
    rig.useLesson("Square numbers");

    QStringList shown;
    rig.pump.beforePump = [&] {
        const QString counter = named<CounterLabel>(rig.main(), "lblCounter1")->text();
        if (shown.isEmpty() || shown.last() != counter)
            shown << counter;
        if (shown.size() == 4)
            rig.button("cmdStop")->click();
    };
    rig.script.then([](QDialog *paused) { paused->findChild<QPushButton *>("cmdStopit")->click(); });
    rig.button("cmdStart")->click();
    QCOMPARE(shown, QStringList({"1", "4", "9", "16"}));
    QVERIFY(rig.script.unexpected.isEmpty());
}

// Chosen, OK and Start; nobody touches anything until the board has shown
// the numbers, or the run has paused by itself.
void SettingsLessonTest::routineLessonsRunByThemselves_data()
{
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("pausesByItself");
    QStringList sevens;
    for (int k = 0; k <= 10; ++k)
        sevens << QString::number(7 * k);
    QTest::newRow("stop at 70") << "Count in 7s and stop at 70" << sevens << true;
    QTest::newRow("hushing every 5th") << "Count in 0.1s, hushing every 5th"
                                       << QStringList{"0", "0.1", "0.2", "0.3", "0.4", "?", "0.6", "0.7", "0.8", "0.9", "?"}
                                       << false;
}

void SettingsLessonTest::routineLessonsRunByThemselves()
{
    QFETCH(QString, lesson);
    QFETCH(QStringList, shown);
    QFETCH(bool, pausesByItself);
    DataFolder data;
    Rig rig;
    rig.useLesson(lesson);

    QStringList seen;
    rig.pump.beforePump = [&] {
        const QString counter = named<CounterLabel>(rig.main(), "lblCounter1")->text();
        if (seen.isEmpty() || seen.last() != counter)
            seen << counter;
        if (!pausesByItself && seen.size() == shown.size())
            rig.button("cmdStop")->click();
    };
    QString atPause;
    rig.script.then([&](QDialog *paused) {
        atPause = named<CounterLabel>(rig.main(), "lblCounter1")->text();
        paused->findChild<QPushButton *>("cmdStopit")->click();
    });
    rig.button("cmdStart")->click();
    QCOMPARE(seen, shown);
    QCOMPARE(atPause, shown.last());
    QVERIFY(rig.script.unexpected.isEmpty());
}

// The look is saved with the lesson, changed, and brought back by using it.
void SettingsLessonTest::aSavedLessonBringsBackTheLook_data()
{
    QTest::addColumn<LessonLook>("look");
    QTest::newRow("larger, yellow on blue, full screen") << LessonLook{140, 0xFFFF00, 0x000080, true};
    QTest::newRow("smaller, dark on white, in a window") << LessonLook{56, 0x202020, 0xFFFFFF, false};
}

void SettingsLessonTest::aSavedLessonBringsBackTheLook()
{
    QFETCH(LessonLook, look);
    DataFolder data;
    Rig rig;
    const LessonLook before = rig.main().look();
    rig.main().applyLook(look);
    QCOMPARE(rig.main().look() == look, true);
    rig.dialogs.textAnswers.enqueue("Room");
    rig.settings([&](SettingsDialog *s) {
        rig.script.then([](QDialog *lessons) {
            named<QPushButton>(*lessons, "cmdSaveAs")->click();
            named<QPushButton>(*lessons, "cmdClose")->click();
        });
        named<QPushButton>(*s, "cmdLessons")->click();
        named<QPushButton>(*s, "cmdOK")->click();
    });
    rig.main().applyLook(before);
    QVERIFY(rig.main().look() == before);

    rig.useLesson("Room");
    const LessonLook brought = rig.main().look();
    QCOMPARE(brought.fontPoints, look.fontPoints);
    QCOMPARE(brought.digitRgb, look.digitRgb);
    QCOMPARE(brought.backgroundRgb, look.backgroundRgb);
    QCOMPARE(brought.fullScreen, look.fullScreen);
    QVERIFY(rig.script.unexpected.isEmpty());
}

QTEST_MAIN(SettingsLessonTest)
#include "tst_settingslesson.moc"
