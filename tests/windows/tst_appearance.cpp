#include "platform/Twips.h"
#include "tests/support/MainWindowRig.h"

#include <QTest>

#include <memory>

// Font size and colour buttons of the main window, pressed as the teacher
// presses them.
class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fontPresses_data();
    void fontPresses();
    void countersStayStackedAfterAnySequence_data();
    void countersStayStackedAfterAnySequence();
    void buttonsReturnFocusToStart_data();
    void buttonsReturnFocusToStart();
    void fontColourColoursBothCounters();
    void backgroundColourColoursWindowAndCounters();
    void cancelledColourChangesNothing_data();
    void cancelledColourChangesNothing();

private:
    void press(QPushButton *button, int times = 1);
    void checkStacked(const char *where);

    std::unique_ptr<MainWindowRig> m_rig;
    MainWindow *m_main = nullptr;
    Toolbar *m_toolbar = nullptr;
};

void AppearanceTest::init()
{
    m_rig = std::make_unique<MainWindowRig>();
    m_main = &m_rig->main;
    m_toolbar = m_rig->toolbar;
}

void AppearanceTest::cleanup()
{
    m_rig.reset();
}

void AppearanceTest::press(QPushButton *button, int times)
{
    for (int i = 0; i < times; ++i)
        button->click();
}

void AppearanceTest::checkStacked(const char *where)
{
    const CounterLabel *c1 = named<CounterLabel>(*m_main, "lblCounter1");
    const CounterLabel *c2 = named<CounterLabel>(*m_main, "lblCounter2");
    QVERIFY2(c1->fontPoints() == c2->fontPoints(), where);
    QVERIFY2(c1->topTwips() == 800, where);
    QVERIFY2(c1->heightTwips() == 20 * c1->fontPoints() + 200, where);
    QVERIFY2(c2->heightTwips() == 20 * c2->fontPoints() + 200, where);
    QVERIFY2(c2->topTwips() == c1->heightTwips() + 800, where);
    QVERIFY2(c2->geometry().top() == twipsToPixels(c2->topTwips()), where);
    QVERIFY2(c1->geometry().height() == twipsToPixels(c1->heightTwips()), where);
}

void AppearanceTest::fontPresses_data()
{
    QTest::addColumn<bool>("increase");
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("height");

    QTest::newRow("start-up") << true << 0 << 104.0 << 2280.0;
    QTest::newRow("one increase") << true << 1 << 116.0 << 2520.0;
    QTest::newRow("21 increases reach 356, still allowed") << true << 21 << 356.0 << 7320.0;
    QTest::newRow("22 increases reach 368") << true << 22 << 368.0 << 7560.0;
    QTest::newRow("a 23rd increase changes nothing") << true << 23 << 368.0 << 7560.0;
    QTest::newRow("30 increases stay at 368") << true << 30 << 368.0 << 7560.0;
    QTest::newRow("4 decreases reach 56, still allowed") << false << 4 << 56.0 << 1320.0;
    QTest::newRow("5 decreases reach 44") << false << 5 << 44.0 << 1080.0;
    QTest::newRow("a 6th decrease changes nothing") << false << 6 << 44.0 << 1080.0;
}

void AppearanceTest::fontPresses()
{
    QFETCH(bool, increase);
    QFETCH(int, presses);
    QFETCH(double, points);
    QFETCH(double, height);

    const double widthBefore = named<CounterLabel>(*m_main, "lblCounter1")->widthTwips();
    press(increase ? named<QPushButton>(*m_toolbar, "cmdFontInc") : named<QPushButton>(*m_toolbar, "cmdFontDec"), presses);

    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->fontPoints(), points);
        QCOMPARE(label->heightTwips(), height);
        QCOMPARE(label->widthTwips(), widthBefore);
        QCOMPARE(label->x(), twipsToPixels(CounterLabel::left));
    }
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->topTwips(), 800.0);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter2")->topTwips(), height + 800);
    // Nothing rearranges the window to fit the larger counters.
    QCOMPARE(m_main->size(), twipsSize(11310, 7935));
    QCOMPARE(named<QPushButton>(*m_toolbar, "cmdStart")->pos(), QPoint(0, 0));
}

void AppearanceTest::countersStayStackedAfterAnySequence_data()
{
    QTest::addColumn<QString>("presses");  // + increase, - decrease

    QTest::newRow("up and down") << "+-+-+-";
    QTest::newRow("down past the floor then up") << "--------++";
    QTest::newRow("up past the ceiling then down") << QString(25, '+') + "---";
    QTest::newRow("floor to ceiling") << QString(6, '-') + QString(24, '+');
    QTest::newRow("zigzag") << "++-+++--+-+++-----+";
}

void AppearanceTest::countersStayStackedAfterAnySequence()
{
    QFETCH(QString, presses);
    for (qsizetype i = 0; i < presses.size(); ++i) {
        press(presses[i] == '+' ? named<QPushButton>(*m_toolbar, "cmdFontInc") : named<QPushButton>(*m_toolbar, "cmdFontDec"));
        const QByteArray where = "after press " + QByteArray::number(i + 1);
        checkStacked(where.constData());
        QVERIFY(named<CounterLabel>(*m_main, "lblCounter1")->fontPoints() >= 44 && named<CounterLabel>(*m_main, "lblCounter1")->fontPoints() <= 368);
    }
}

void AppearanceTest::buttonsReturnFocusToStart_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("colourChosen");

    QTest::newRow("increase") << "cmdFontInc" << false;
    QTest::newRow("decrease") << "cmdFontDec" << false;
    QTest::newRow("font colour chosen") << "cmdFontCol" << true;
    QTest::newRow("font colour cancelled") << "cmdFontCol" << false;
    QTest::newRow("background chosen") << "cmdBackCol" << true;
    QTest::newRow("background cancelled") << "cmdBackCol" << false;
}

void AppearanceTest::buttonsReturnFocusToStart()
{
    QFETCH(QString, button);
    QFETCH(bool, colourChosen);

    if (colourChosen)
        m_rig->dialogs.colourAnswers.enqueue(QColor(0, 128, 0));
    else
        m_rig->dialogs.colourAnswers.enqueue(std::nullopt);
    named<QPushButton>(*m_toolbar, "cmdHelp")->setFocus();
    QCOMPARE(m_main->focusWidget(), named<QPushButton>(*m_toolbar, "cmdHelp"));

    m_toolbar->findChild<QPushButton *>(button)->click();

    QCOMPARE(m_main->focusWidget(), named<QPushButton>(*m_toolbar, "cmdStart"));
    QVERIFY(m_rig->dialogs.messages.isEmpty());
}

void AppearanceTest::fontColourColoursBothCounters()
{
    const QColor background = m_main->backgroundColour();
    m_rig->dialogs.colourAnswers.enqueue(QColor(200, 30, 40));

    named<QPushButton>(*m_toolbar, "cmdFontCol")->click();

    QCOMPARE(m_rig->dialogs.colourRequests, 1);
    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->textColour(), QColor(200, 30, 40));
        QCOMPARE(label->backgroundColour(), background);
    }
    QCOMPARE(m_main->backgroundColour(), background);
}

void AppearanceTest::backgroundColourColoursWindowAndCounters()
{
    const QColor text = named<CounterLabel>(*m_main, "lblCounter1")->textColour();
    const QColor panel = m_toolbar->palette().color(QPalette::Window);
    m_rig->dialogs.colourAnswers.enqueue(QColor(0, 255, 255));

    named<QPushButton>(*m_toolbar, "cmdBackCol")->click();

    QCOMPARE(m_main->backgroundColour(), QColor(0, 255, 255));
    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->backgroundColour(), QColor(0, 255, 255));
        QCOMPARE(label->textColour(), text);
    }
    // The toolbar keeps its own face so its pictures stay easy to find.
    QCOMPARE(m_toolbar->palette().color(QPalette::Window), panel);
}

void AppearanceTest::cancelledColourChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("font colour") << "cmdFontCol";
    QTest::newRow("background") << "cmdBackCol";
}

void AppearanceTest::cancelledColourChangesNothing()
{
    QFETCH(QString, button);
    const QColor window = m_main->backgroundColour();
    const QColor text = named<CounterLabel>(*m_main, "lblCounter1")->textColour();
    m_rig->dialogs.colourAnswers.enqueue(std::nullopt);

    m_toolbar->findChild<QPushButton *>(button)->click();

    QCOMPARE(m_rig->dialogs.colourRequests, 1);
    QCOMPARE(m_main->backgroundColour(), window);
    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->textColour(), text);
        QCOMPARE(label->backgroundColour(), window);
    }
    QVERIFY(m_rig->dialogs.messages.isEmpty());
}

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
