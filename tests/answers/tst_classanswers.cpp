#include "answers/AnswerChart.h"
#include "answers/ClassAnswers.h"
#include "answers/ClassAnswersWindow.h"
#include "answers/JoinCard.h"
#include "answers/QrCode.h"
#include "tests/support/AppRig.h"
#include "tests/support/Ink.h"
#include "tests/support/PauseAnswerer.h"
#include "tests/support/Pupil.h"
#include "windows/main/CounterLabel.h"

#include <QBarCategoryAxis>
#include <QCheckBox>
#include <QBarSet>
#include <QLabel>
#include <QStackedBarSeries>

#include <functional>
#include <memory>

namespace {

// Plays the teacher at the "Class Answers" window: once it is up, runs the
// step, then presses Close.
class AnswersWindowScript : public QObject {
public:
    AnswersWindowScript() { qApp->installEventFilter(this); }
    ~AnswersWindowScript() override { qApp->removeEventFilter(this); }
    std::function<void(ClassAnswersWindow *)> step;
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<ClassAnswersWindow *>(watched);
        if (window && event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, window, [this, window] {
                if (step)
                    step(window);
                named<QPushButton>(*window, "cmdClose")->click();
            });
        }
        return false;
    }
};

// The bars of a chart as "answer:pupils", green ones as "answer:pupils green".
QStringList barsOf(AnswerChart *chart)
{
    QStringList bars;
    auto *series = qobject_cast<QStackedBarSeries *>(chart->chart()->series().value(0));
    const auto *axis = qobject_cast<QBarCategoryAxis *>(chart->chart()->axes(Qt::Horizontal).value(0));
    for (int i = 0; series && i < axis->count(); ++i) {
        const int right = int(series->barSets().at(0)->at(i));
        const int others = int(series->barSets().at(1)->at(i));
        const QString mistake = chart->mistakeShownAt(i);
        bars << QStringLiteral("%1%2:%3%4").arg(axis->at(i), mistake.isEmpty() ? QString() : "\n" + mistake)
                    .arg(right + others).arg(right ? " green" : "");
    }
    return bars;
}

} // namespace

// The teacher's side of Class Answers in the whole program, on fake time:
// the toolbar button and join card, Predict opening the "Class Answers"
// window, and the pages following the board.
class ClassAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void predictOpens_data();
    void predictOpens();
    void spreadRevealed_data();
    void spreadRevealed();
    void joinCardFollowsTheButton();
    void cardOnEveryNetwork_data();
    void cardOnEveryNetwork();
    void pagesFollowTheBoard();
    void leavingClosesEveryConnection();

private:
    ClassAnswers &answers() { return m_rig->lesson.classAnswers(); }
    void turnOn();
    void pauseWhenShowing(const QString &text);

    std::unique_ptr<AppRig> m_rig;
    std::unique_ptr<PauseAnswerer> m_teacher;
    std::unique_ptr<AnswersWindowScript> m_window;
};

void ClassAnswersTest::init()
{
    m_rig = std::make_unique<AppRig>();
    m_teacher = std::make_unique<PauseAnswerer>();
    m_window = std::make_unique<AnswersWindowScript>();
    m_rig->lesson.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_rig->lesson.mainWindow()));
}

void ClassAnswersTest::cleanup()
{
    m_window.reset();
    m_teacher.reset();
    m_rig.reset();
}

void ClassAnswersTest::turnOn()
{
    answers().setListenAddress(QHostAddress::LocalHost);
    m_rig->button("classAnswersButton")->click();
    QVERIFY(answers().isOn());
}

void ClassAnswersTest::pauseWhenShowing(const QString &text)
{
    m_rig->pump.beforePump = [this, text] {
        if (named<CounterLabel>(m_rig->lesson.mainWindow(), "lblCounter1")->text() == text)
            emit m_rig->lesson.mainWindow().pauseRequested();
    };
}

void ClassAnswersTest::predictOpens_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("inputBoxes");
    QTest::addColumn<int>("answerWindows");
    QTest::newRow("off: the input box, as ever") << false << 1 << 0;
    QTest::newRow("on: the Class Answers window") << true << 0 << 1;
}

// Close goes back to the pause dialog, which then comes up again.
void ClassAnswersTest::predictOpens()
{
    QFETCH(bool, on);
    QFETCH(int, inputBoxes);
    QFETCH(int, answerWindows);
    if (on)
        turnOn();
    m_teacher->presses << "cmdPredict" << "cmdStopit";
    pauseWhenShowing("3");
    m_rig->button("cmdStart")->click();

    QCOMPARE(m_rig->dialogs.questions.size(), inputBoxes);
    QCOMPARE(m_window->shown, answerWindows);
    QCOMPARE(m_teacher->dialogsSeen.size(), 2);
}

void ClassAnswersTest::spreadRevealed_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QList<QStringList>>("answers");
    QTest::addColumn<QStringList>("bars1");
    QTest::addColumn<QStringList>("bars2");
    QTest::newRow("one counter") << 1 << QList<QStringList>{{"4"}, {"4"}, {"5"}}
                                 << QStringList{"4 ✓:2 green", "5\none step too many:1"} << QStringList{};
    QTest::newRow("nobody right") << 1 << QList<QStringList>{{"9"}} << QStringList{"4 ✓:0", "9:1"} << QStringList{};
    QTest::newRow("two counters") << 2 << QList<QStringList>{{"4", "-2"}, {"4", "6"}} << QStringList{"4 ✓:2 green"}
                                  << QStringList{"-2 ✓:1 green", "6:1"};
    QTest::newRow("mistakes named") << 2 << QList<QStringList>{{"3", "4"}}
                                    << QStringList{"3\nthe number on the board:1", "4 ✓:0"}
                                    << QStringList{"-2 ✓:0", "4\ncounter 1's number:1"};
}

// Pupils answer while the window is open; Show Answers draws each counter's
// spread with the right bar marked and tells every page; Type an Answer
// asks in the input box.
void ClassAnswersTest::spreadRevealed()
{
    QFETCH(int, counters);
    QFETCH(QList<QStringList>, answers);
    QFETCH(QStringList, bars1);
    QFETCH(QStringList, bars2);
    CountingSession &session = m_rig->lesson.session();
    session.counterCount = std::int16_t(counters);
    session.counter2 = {6, -2, 0};
    m_rig->lesson.mainWindow().setTwoCounterMode(counters == 2);
    turnOn();
    std::vector<std::unique_ptr<Pupil>> pupils;
    for (int i = 0; i < answers.size(); ++i) {
        pupils.push_back(std::make_unique<Pupil>(this->answers().server().port()));
        QVERIFY(pupils.back()->waitConnected() && pupils.back()->join(this->answers().joinCode()));
    }
    QStringList shownBars1, shownBars2, answered;
    m_window->step = [&](ClassAnswersWindow *window) {
        // A first name is shown as it was typed, markup and all, never read as markup.
        named<QCheckBox>(*window, "chkNames")->click();
        QTRY_VERIFY(pupils.front()->board().value("askName").toBool());
        pupils.front()->send({{"name", "<b>Ann</b> &amp;"}});
        for (int i = 0; i < answers.size(); ++i) {
            pupils[i]->answer(answers[i]);
            QTRY_COMPARE(named<QLabel>(*window, "lblAnswered")->text(), QStringLiteral("Answered: %1").arg(i + 1));
        }
        QTRY_COMPARE(named<QLabel>(*window, "lblNames")->text(), QStringLiteral("<b>Ann</b> &amp;"));
        QCOMPARE(named<QLabel>(*window, "lblNames")->textFormat(), Qt::PlainText);
        QVERIFY(!named<AnswerChart>(*window, "chartAnswers1")->isVisible());
        named<QPushButton>(*window, "cmdShowAnswers")->click();
        shownBars1 = barsOf(named<AnswerChart>(*window, "chartAnswers1"));
        if (named<AnswerChart>(*window, "chartAnswers2")->isVisible())
            shownBars2 = barsOf(named<AnswerChart>(*window, "chartAnswers2"));
        QVERIFY(!named<QPushButton>(*window, "cmdShowAnswers")->isEnabled());
        const auto told = [&] { return pupils.front()->board().value("question").toObject(); };
        QTRY_COMPARE(told().value("next").toArray(), QJsonArray::fromStringList(QStringList{"4", "-2"}.mid(0, counters)));
        QCOMPARE(told().value("verdict").toArray().first().toBool(), answers.front().front() == QLatin1String("4"));
        m_rig->dialogs.textAnswers.enqueue(QString());
        named<QPushButton>(*window, "cmdTypeAnswer")->click();
    };
    m_teacher->presses << "cmdPredict" << "cmdStopit";
    pauseWhenShowing("3");
    m_rig->button("cmdStart")->click();

    QCOMPARE(shownBars1, bars1);
    QCOMPARE(shownBars2, bars2);
    QCOMPARE(m_rig->dialogs.questions.size(), 1);
    QCOMPARE(m_rig->dialogs.questions.first().prompt,
             counters == 1 ? QStringLiteral("What is the next number?") : QStringLiteral("What is the next number for counter 1?"));
}

// The card is on the main window only while Class Answers is on, in the
// corner of the counters' area and clear of their digits, with a new code
// each time; a tap folds it and the next brings it back.
void ClassAnswersTest::joinCardFollowsTheButton()
{
    MainWindow &main = m_rig->lesson.mainWindow();
    JoinCard *card = m_rig->lesson.joinCard();
    QVERIFY(!card->isVisible());
    turnOn();
    QVERIFY(card->isVisible());
    QCOMPARE(named<QLabel>(*card, "joinCode")->text(), answers().joinCode());
    QVERIFY(named<QLabel>(*card, "joinAddress")->text().endsWith(QStringLiteral(":%1").arg(answers().server().port())));
    // The QR code carries the code too.
    QCOMPARE(answers().joinAddress(), answers().pageAddress() + "/#" + answers().joinCode());
    const QPixmap qr = named<QLabel>(*card, "joinQrCode")->pixmap();
    QCOMPARE(qr.toImage(), QPixmap::fromImage(qrCodeImage(answers().joinAddress()).scaled(qr.size())).toImage());
    QCOMPARE(named<QLabel>(*card, "joinDevices")->text(), QStringLiteral("Devices joined: 0"));
    Pupil pupil(answers().server().port());
    QVERIFY(pupil.waitConnected() && pupil.join(answers().joinCode()));
    QTRY_COMPARE(named<QLabel>(*card, "joinDevices")->text(), QStringLiteral("Devices joined: 1"));

    // Two counters, the lower one under the card, with a number that would run under it.
    m_rig->lesson.session().counterCount = 2;
    main.setTwoCounterMode(true);
    auto *counter = named<CounterLabel>(main, "lblCounter2");
    counter->setText(QStringLiteral("-123456789012345"));
    for (bool fullScreen : {false, true}) {
        main.setFullScreen(fullScreen);
        QTRY_COMPARE(main.isFullScreen(), fullScreen);
        QTRY_COMPARE(card->geometry().bottomRight() + QPoint(8, 8), main.rect().bottomRight());
        const QRect cardOnCounter = card->geometry().translated(-counter->pos());
        QVERIFY(cardOnCounter.intersects(counter->rect()));
        const QRect digits = inkBox(*counter, counter->rect(), counter->backgroundColour());
        QVERIFY(digits.isValid() && !digits.intersects(cardOnCounter));
    }
    // The join screen over the board goes at a tap, and a tap on the card brings it back.
    auto *screen = named<QWidget>(main, "joinScreen");
    QTest::mouseClick(screen, Qt::LeftButton);
    QVERIFY(!screen->isVisible() && card->isVisible());
    QTest::mouseClick(card, Qt::LeftButton);
    QTRY_VERIFY(screen->isVisible());
    QCOMPARE(named<QLabel>(*screen, "joinScreenCode")->text(), answers().joinCode());
    // Read from the back row of a board of 1080 lines: the code's digits
    // at least 130 pixels tall, the address at least a third of that.
    main.setFullScreen(false);
    main.resize(1920, 1080);
    QTRY_COMPARE(screen->height(), main.height() - named<QWidget>(main, "Picture1")->height());
    for (const auto &[name, tallest] : {std::pair("joinScreenCode", 130), std::pair("joinScreenAddress", 45)}) {
        auto *label = named<QLabel>(*screen, name);
        QTRY_VERIFY2(inkBox(*label, label->rect(), Qt::white).height() >= tallest, name);
    }

    m_rig->button("classAnswersButton")->click();
    QVERIFY(!answers().isOn() && !card->isVisible());
    QTRY_COMPARE(pupil.socket->state(), QAbstractSocket::UnconnectedState);
}

void ClassAnswersTest::cardOnEveryNetwork_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("no school network") << QStringList{};
    QTest::newRow("one address") << QStringList{"127.0.0.1"};
    QTest::newRow("three addresses") << QStringList{"127.0.0.1", "127.0.0.2", "127.0.0.3"};
}

// With no school network the card says so instead of an address pupils
// could not use, and still shows the code; a tap on the address lists the
// others, if any, and brings the join screen back only when there are none.
void ClassAnswersTest::cardOnEveryNetwork()
{
    QFETCH(QStringList, shown);
    SchoolNetwork network{{QHostAddress(QHostAddress::LocalHost)}, {}};
    for (const QString &address : shown)
        network.shown << QHostAddress(address);
    network.listen = network.shown.isEmpty() ? network.listen : network.shown;
    answers().setNetwork(network);
    m_rig->button("classAnswersButton")->click();
    JoinCard *card = m_rig->lesson.joinCard();
    auto *address = named<QLabel>(*card, "joinAddress");
    const QString url = QStringLiteral("http://%1:%2").arg(shown.value(0)).arg(answers().server().port());
    QCOMPARE(address->text(), shown.isEmpty() ? QStringLiteral("No school network found: pupils cannot join") : url);
    QCOMPARE(named<QLabel>(*card, "joinQrCode")->isVisible(), !shown.isEmpty());
    QCOMPARE(named<QLabel>(*card, "joinCode")->text(), answers().joinCode());
    auto *screen = named<QWidget>(m_rig->lesson.mainWindow(), "joinScreen");
    QCOMPARE(named<QLabel>(*screen, "joinScreenAddress")->text(), address->text());
    QCOMPARE(named<QLabel>(*screen, "joinScreenQrCode")->isVisible(), !shown.isEmpty());
    QTest::mouseClick(screen, Qt::LeftButton);

    QTest::mouseClick(address, Qt::LeftButton);
    auto *others = named<QLabel>(*card, "joinOtherAddresses");
    QCOMPARE(others->isVisible(), shown.size() > 1);
    QCOMPARE(screen->isVisible(), shown.size() <= 1);
    if (shown.size() > 1)
        QVERIFY(others->text().endsWith(QStringLiteral("http://127.0.0.3:%1").arg(answers().server().port())));
}

// While counting the pages show the numbers on the board, hide what the
// teacher hides, and ask only at a pause.
void ClassAnswersTest::pagesFollowTheBoard()
{
    turnOn();
    Pupil pupil(answers().server().port());
    QVERIFY(pupil.waitConnected() && pupil.join(answers().joinCode()));
    QStringList seen;  // on the page at each count, "#" when hidden
    m_rig->pump.beforePump = [&] {
        const QString onBoard = named<CounterLabel>(m_rig->lesson.mainWindow(), "lblCounter1")->text();
        const auto board = [&] { return pupil.board(); };
        // A hidden number is not sent at all.
        const auto counting = [&] {
            const bool hidden = board().value("hidden").toArray().first().toBool();
            return board().value("numbers") == QJsonArray{hidden ? QString() : onBoard}
                && board().value("phase") == QLatin1String("counting");
        };
        if (seen.size() > 3 || !QTest::qWaitFor(counting))
            return;
        seen << onBoard + (board().value("hidden").toArray().first().toBool() ? "#" : "");
        if (onBoard == QLatin1String("2"))
            m_rig->button("cmdMaskC1")->click();
        if (onBoard == QLatin1String("3"))
            emit m_rig->lesson.mainWindow().pauseRequested();
    };
    m_teacher->onShown = [&](PauseDialog *) {
        QTRY_COMPARE(pupil.board().value("phase").toString(), QStringLiteral("paused"));
        QVERIFY(pupil.board().value("hidden").toArray().first().toBool());
        QVERIFY(pupil.board().contains("question"));
    };
    m_rig->button("cmdStart")->click();

    QCOMPARE(seen, QStringList({"0", "1", "2", "3#"}));
    QTRY_COMPARE(pupil.board().value("phase").toString(), QStringLiteral("idle"));
    QVERIFY(!pupil.board().contains("question"));
}

void ClassAnswersTest::leavingClosesEveryConnection()
{
    turnOn();
    Pupil pupil(answers().server().port());
    QVERIFY(pupil.waitConnected() && pupil.join(answers().joinCode()));
    m_rig->lesson.quit();
    QVERIFY(!answers().isOn());
    QTRY_COMPARE(pupil.socket->state(), QAbstractSocket::UnconnectedState);
}

QTEST_MAIN(ClassAnswersTest)
#include "tst_classanswers.moc"
