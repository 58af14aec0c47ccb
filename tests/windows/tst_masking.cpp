#include "app/AppController.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePump.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

bool hidden(const CounterLabel *label)
{
    return label->palette().color(QPalette::Window) == label->palette().color(QPalette::WindowText);
}

// Answers each pause dialog as it comes up by pressing the given buttons in
// it, one list per pause.
class PauseAnswerer : public QObject {
public:
    explicit PauseAnswerer(QList<QStringList> answers) : m_answers(std::move(answers))
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<PauseDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            const QStringList presses = m_answers.isEmpty() ? QStringList{"cmdStopit"} : m_answers.takeFirst();
            ++pauses;
            for (const QString &name : presses)
                named<QPushButton>(*dialog, name.toLatin1().constData())->click();
        });
        m_poll.start(0);
    }
    int pauses = 0;

private:
    QList<QStringList> m_answers;
    QTimer m_poll;
};

} // namespace

// The hide/show buttons of the main window and of both pause dialogs, and how
// the colour buttons change what counts as hidden.
class MaskingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void presses_data();
    void presses();
    void newBackgroundDecidesHiddenCounters_data();
    void newBackgroundDecidesHiddenCounters();
    void newTextColourRevealsHiddenCounterUntilPressedAgain();
    void textColourEqualToBackgroundCannotBeShown();
    void hiddenCounterKeepsCounting_data();
    void hiddenCounterKeepsCounting();

private:
    void useCounters(int counters);
    void press(const QString &where);
    void chooseColour(QPushButton *button, const QColor &colour);

    CountingSession *m_session = nullptr;
    ScriptedDialogs m_dialogs;
    FakeClock m_clock;
    std::unique_ptr<FakePump> m_pump;
    std::unique_ptr<AppController> m_lesson;
    MainWindow *m_main = nullptr;
};

void MaskingTest::init()
{
    m_dialogs = ScriptedDialogs{};
    m_pump = std::make_unique<FakePump>(m_clock);
    m_lesson = std::make_unique<AppController>(m_dialogs, m_clock, *m_pump);
    m_lesson->start();
    m_session = &m_lesson->session();
    m_main = &m_lesson->mainWindow();
}

void MaskingTest::cleanup()
{
    m_lesson.reset();
    m_pump.reset();
}

void MaskingTest::useCounters(int counters)
{
    m_session->counterCount = std::int16_t(counters);
    m_main->setTwoCounterMode(counters == 2);
    named<CounterLabel>(*m_main, "lblCounter2")->setText(counters == 2 ? QStringLiteral("0") : QString());
}

// "main:NAME" clicks the main window's button, "pause:NAME" the button of
// the pause dialog for the counters in use.
void MaskingTest::press(const QString &where)
{
    const auto [source, name] = std::pair{where.section(':', 0, 0), where.section(':', 1)};
    if (source == QLatin1String("main")) {
        auto *button = m_main->findChild<QPushButton *>(name);
        QVERIFY2(button && button->isVisible() && button->isEnabled(), qPrintable(where));
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    PauseDialog *dialog = m_lesson->view().pauseDialog(m_session->counterCount);
    dialog->show();
    QPushButton *button = dialog->findChild<QPushButton *>(name);
    QVERIFY2(button, qPrintable(where));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY2(dialog->isVisible(), "a hide/show button leaves the dialog up");
    dialog->hide();
}

void MaskingTest::chooseColour(QPushButton *button, const QColor &colour)
{
    m_dialogs.colourAnswers.enqueue(colour);
    button->click();
}

void MaskingTest::presses_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<bool>("hidden1");
    QTest::addColumn<bool>("hidden2");

    QTest::newRow("start-up: both shown") << 1 << QStringList{} << false << false;
    QTest::newRow("one counter: hide") << 1 << QStringList{"main:cmdMaskC1"} << true << false;
    QTest::newRow("one counter: hide, show") << 1 << QStringList{"main:cmdMaskC1", "main:cmdMaskC1"} << false << false;
    QTest::newRow("one counter: hide in pause dialog") << 1 << QStringList{"pause:cmdMaskC1"} << true << false;
    QTest::newRow("one counter: hide in pause, show in main")
        << 1 << QStringList{"pause:cmdMaskC1", "main:cmdMaskC1"} << false << false;
    QTest::newRow("two counters: hide top") << 2 << QStringList{"main:cmdMaskCounter1"} << true << false;
    QTest::newRow("two counters: hide bottom") << 2 << QStringList{"main:cmdMaskCounter2"} << false << true;
    QTest::newRow("two counters: hide both") << 2 << QStringList{"main:cmdMaskBoth"} << true << true;
    QTest::newRow("two counters: both twice") << 2 << QStringList{"main:cmdMaskBoth", "main:cmdMaskBoth"} << false
                                              << false;
    QTest::newRow("two counters: both swaps hidden top and shown bottom")
        << 2 << QStringList{"main:cmdMaskCounter1", "main:cmdMaskBoth"} << false << true;
    QTest::newRow("two counters: both swaps shown top and hidden bottom")
        << 2 << QStringList{"main:cmdMaskCounter2", "main:cmdMaskBoth"} << true << false;
    QTest::newRow("pause dialog: hide top") << 2 << QStringList{"pause:cmdMaskCounter1"} << true << false;
    QTest::newRow("pause dialog: hide bottom") << 2 << QStringList{"pause:cmdMaskCounter2"} << false << true;
    QTest::newRow("pause dialog: hide both") << 2 << QStringList{"pause:cmdMaskBoth"} << true << true;
    QTest::newRow("pause dialog: both swaps")
        << 2 << QStringList{"pause:cmdMaskCounter1", "pause:cmdMaskBoth"} << false << true;
    QTest::newRow("mixed: hidden in the dialog, shown in the main window")
        << 2 << QStringList{"pause:cmdMaskBoth", "main:cmdMaskCounter1"} << false << true;
    QTest::newRow("mixed: hidden in the main window, swapped in the dialog")
        << 2 << QStringList{"main:cmdMaskCounter2", "pause:cmdMaskBoth"} << true << false;
}

void MaskingTest::presses()
{
    QFETCH(int, counters);
    QFETCH(QStringList, presses);
    QFETCH(bool, hidden1);
    QFETCH(bool, hidden2);
    useCounters(counters);
    const QColor window = m_main->backgroundColour();
    const QColor text = named<CounterLabel>(*m_main, "lblCounter1")->textColour();
    named<QPushButton>(*m_main, "cmdSettings")->setFocus();

    for (const QString &where : presses)
        press(where);

    QCOMPARE(hidden(named<CounterLabel>(*m_main, "lblCounter1")), hidden1);
    QCOMPARE(hidden(named<CounterLabel>(*m_main, "lblCounter2")), hidden2);
    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->textColour(), text);
        if (!hidden(label))
            QCOMPARE(label->backgroundColour(), window);
    }
    QCOMPARE(m_main->backgroundColour(), window);
    QCOMPARE(m_main->focusWidget(), named<QPushButton>(*m_main, "cmdSettings"));
}

void MaskingTest::newBackgroundDecidesHiddenCounters_data()
{
    QTest::addColumn<bool>("colourOfText");
    QTest::addColumn<bool>("hidden1");
    QTest::addColumn<bool>("hidden2");

    QTest::newRow("a new colour shows the hidden counter") << false << false << false;
    QTest::newRow("the text colour hides both counters") << true << true << true;
}

void MaskingTest::newBackgroundDecidesHiddenCounters()
{
    QFETCH(bool, colourOfText);
    QFETCH(bool, hidden1);
    QFETCH(bool, hidden2);
    useCounters(2);
    press("main:cmdMaskCounter1");
    QVERIFY(hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    const QColor colour = colourOfText ? named<CounterLabel>(*m_main, "lblCounter1")->textColour() : QColor(255, 255, 128);

    chooseColour(named<QPushButton>(*m_main, "cmdBackCol"), colour);

    QCOMPARE(hidden(named<CounterLabel>(*m_main, "lblCounter1")), hidden1);
    QCOMPARE(hidden(named<CounterLabel>(*m_main, "lblCounter2")), hidden2);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->backgroundColour(), colour);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter2")->backgroundColour(), colour);
}

void MaskingTest::newTextColourRevealsHiddenCounterUntilPressedAgain()
{
    const QColor oldText = named<CounterLabel>(*m_main, "lblCounter1")->textColour();
    press("main:cmdMaskC1");

    chooseColour(named<QPushButton>(*m_main, "cmdFontCol"), QColor(200, 0, 0));

    // Readable again: new digits on a block of the old text colour.
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->backgroundColour(), oldText);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->textColour(), QColor(200, 0, 0));

    press("main:cmdMaskC1");
    QVERIFY(hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->backgroundColour(), QColor(200, 0, 0));

    press("main:cmdMaskC1");
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->backgroundColour(), m_main->backgroundColour());
}

void MaskingTest::textColourEqualToBackgroundCannotBeShown()
{
    useCounters(2);
    const QColor window = m_main->backgroundColour();

    chooseColour(named<QPushButton>(*m_main, "cmdFontCol"), window);
    QVERIFY(hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QVERIFY(hidden(named<CounterLabel>(*m_main, "lblCounter2")));

    for (const char *button : {"main:cmdMaskCounter1", "main:cmdMaskBoth", "pause:cmdMaskCounter2"}) {
        press(QString::fromLatin1(button));
        QVERIFY2(hidden(named<CounterLabel>(*m_main, "lblCounter1")), button);
        QVERIFY2(hidden(named<CounterLabel>(*m_main, "lblCounter2")), button);
        QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->backgroundColour(), window);
    }

    chooseColour(named<QPushButton>(*m_main, "cmdFontCol"), QColor(0, 0, 255));
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter2")));
}

void MaskingTest::hiddenCounterKeepsCounting_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QStringList>("mainPresses");  // "value:button", pressed while counter 1 shows value
    QTest::addColumn<QList<QStringList>>("pauseAnswers");
    QTest::addColumn<QStringList>("seenWhileHidden");
    QTest::addColumn<QString>("showButton");

    QTest::newRow("one counter, hidden from the main window")
        << 1 << QStringList{"3:cmdMaskC1", "6:cmdStop"} << QList<QStringList>{{"cmdStopit"}}
        << QStringList{"4", "5", "6"} << "cmdMaskC1";
    QTest::newRow("one counter, hidden in the pause dialog, then continued")
        << 1 << QStringList{"2:cmdStop", "5:cmdStop"}
        << QList<QStringList>{{"cmdMaskC1", "cmdContinue"}, {"cmdStopit"}} << QStringList{"2", "3", "4", "5"}
        << "cmdMaskC1";
    QTest::newRow("two counters, top hidden from the main window")
        << 2 << QStringList{"1:cmdMaskCounter1", "4:cmdStop"} << QList<QStringList>{{"cmdStopit"}}
        << QStringList{"2", "3", "4"} << "cmdMaskCounter1";
    QTest::newRow("two counters, both hidden in the pause dialog, then continued")
        << 2 << QStringList{"2:cmdStop", "4:cmdStop"}
        << QList<QStringList>{{"cmdMaskBoth", "cmdContinue"}, {"cmdStopit"}} << QStringList{"2", "3", "4"}
        << "cmdMaskBoth";
}

void MaskingTest::hiddenCounterKeepsCounting()
{
    QFETCH(int, counters);
    QFETCH(QStringList, mainPresses);
    QFETCH(QList<QStringList>, pauseAnswers);
    QFETCH(QStringList, seenWhileHidden);
    QFETCH(QString, showButton);
    useCounters(counters);
    m_session->counter2 = {10, 10, 0};

    QStringList seen;
    m_pump->beforePump = [&] {
        const QString value = named<CounterLabel>(*m_main, "lblCounter1")->text();
        if (hidden(named<CounterLabel>(*m_main, "lblCounter1")) && (seen.isEmpty() || seen.last() != value))
            seen << value;
        for (const QString &press : mainPresses)
            if (press.section(':', 0, 0) == value) {
                mainPresses.removeOne(press);
                QTest::mouseClick(m_main->findChild<QPushButton *>(press.section(':', 1)), Qt::LeftButton);
                break;
            }
    };
    PauseAnswerer answerer(pauseAnswers);

    named<QPushButton>(*m_main, "cmdStart")->click();

    QCOMPARE(answerer.pauses, pauseAnswers.size());
    QCOMPARE(seen, seenWhileHidden);
    QVERIFY(hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    const QString last = seenWhileHidden.last();
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->text(), last);
    if (counters == 2)
        QCOMPARE(named<CounterLabel>(*m_main, "lblCounter2")->text(), QString::number(10 * (last.toInt() + 1)));

    press("main:" + showButton);
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter1")));
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->text(), last);
    QVERIFY(!hidden(named<CounterLabel>(*m_main, "lblCounter2")));
}

QTEST_MAIN(MaskingTest)
#include "tst_masking.moc"
