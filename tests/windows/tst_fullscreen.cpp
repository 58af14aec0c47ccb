#include "platform/Twips.h"
#include "tests/support/FakePump.h"
#include "tests/support/Ink.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The main window on the class display: full screen and back, counters that
// fill the screen, numbers that are never cut, and a presenter's remote.
class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fullScreenAndBack_data();
    void fullScreenAndBack();
    void countersFillTheScreen_data();
    void countersFillTheScreen();
    void fontStepsFromTheFittedSize();
    void numbersShowWhole_data();
    void numbersShowWhole();
    void remoteKeys_data();
    void remoteKeys();

private:
    CounterLabel *counter(int n) const { return named<CounterLabel>(*m_main, n == 1 ? "lblCounter1" : "lblCounter2"); }
    QPushButton *button(const char *name) const { return named<QPushButton>(*m_main, name); }
    void pressKey(Qt::Key key) { QTest::keyClick(m_main.get(), key); }
    void useTwoCounters();
    QRect uncovered() const;

    CountingSession m_session;
    WindowMemory m_memory;
    ScriptedDialogs m_dialogs;
    FakeClock m_clock;
    FakePump m_pump{m_clock};
    std::unique_ptr<MainWindow> m_main;
};

void FullScreenTest::init()
{
    m_session = CountingSession{};
    m_memory = WindowMemory{};
    m_main = std::make_unique<MainWindow>(m_session, m_memory, m_dialogs);
    m_main->start(m_clock, m_pump);
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void FullScreenTest::cleanup() { m_main.reset(); }

void FullScreenTest::useTwoCounters()
{
    m_session.counterCount = 2;
    m_main->setTwoCounterMode(true);
    m_main->setCounterCaptions(QStringLiteral("0"), QStringLiteral("0"));
}

// The window's interior beside the toolbar.
QRect FullScreenTest::uncovered() const
{
    return QRegion(m_main->rect()).subtracted(named<QWidget>(*m_main, "Picture1")->geometry()).boundingRect();
}

void FullScreenTest::fullScreenAndBack_data()
{
    QTest::addColumn<QString>("before");  // t Move Toolbar, + Increase Font Size
    QTest::addColumn<QList<Qt::Key>>("enter");  // no keys: the toolbar button
    QTest::addColumn<QList<Qt::Key>>("leave");
    using Keys = QList<Qt::Key>;
    QTest::newRow("the button, toolbar at the top") << "" << Keys{} << Keys{};
    QTest::newRow("F11 and F11, toolbar right, larger digits") << "t++" << Keys{Qt::Key_F11} << Keys{Qt::Key_F11};
    QTest::newRow("F5 and Escape, toolbar on the left") << "tt" << Keys{Qt::Key_F5} << Keys{Qt::Key_Escape};
    QTest::newRow("F5 twice stays, Escape twice leaves once") << "+" << Keys{Qt::Key_F5, Qt::Key_F5}
                                                              << Keys{Qt::Key_Escape, Qt::Key_Escape};
}

void FullScreenTest::fullScreenAndBack()
{
    QFETCH(QString, before);
    QFETCH(QList<Qt::Key>, enter);
    QFETCH(QList<Qt::Key>, leave);
    for (QChar press : before)
        button(press == 't' ? "cmdToolbar" : "cmdFontInc")->click();
    m_main->move(40, 30);
    const QRect window = m_main->geometry();
    const QRect beside = uncovered();
    const ToolbarPosition side = m_memory.toolbarPosition;
    const QList<QRect> places = {counter(1)->geometry(), counter(2)->geometry()};
    const double points = counter(1)->fontPoints();
    const auto press = [&](const QList<Qt::Key> &keys) {
        if (keys.isEmpty())
            button("cmdFullScreen")->click();
        for (Qt::Key key : keys)
            pressKey(key);
    };

    press(enter);
    QCOMPARE(m_main->geometry(), m_main->screen()->geometry());
    QCOMPARE(button("cmdFullScreen")->accessibleName(), QStringLiteral("Leave Full Screen"));
    QCOMPARE(button("cmdFullScreen")->toolTip(), QStringLiteral("Leave Full Screen"));
    QCOMPARE(counter(1)->geometry(), uncovered());
    QCOMPARE(m_memory.toolbarPosition, side);
    // What changes in full screen is forgotten on leaving it.
    button("cmdToolbar")->click();
    button("cmdFontDec")->click();

    press(leave);
    QCOMPARE(m_main->geometry(), window);
    QCOMPARE(uncovered(), beside);
    QCOMPARE(m_memory.toolbarPosition, side);
    QCOMPARE((QList<QRect>{counter(1)->geometry(), counter(2)->geometry()}), places);
    QCOMPARE(counter(2)->fontPoints(), points);
    QCOMPARE(button("cmdFullScreen")->toolTip(), QStringLiteral("Full Screen"));
}

void FullScreenTest::countersFillTheScreen_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("toolbarPresses");
    QTest::newRow("one counter, toolbar at the top") << 1 << 0;
    QTest::newRow("one counter, toolbar on the left") << 1 << 2;
    QTest::newRow("two counters, toolbar on the right") << 2 << 1;
}

void FullScreenTest::countersFillTheScreen()
{
    QFETCH(int, counters);
    QFETCH(int, toolbarPresses);
    if (counters == 2)
        useTwoCounters();
    for (int i = 0; i < toolbarPresses; ++i)
        button("cmdToolbar")->click();
    button("cmdFullScreen")->click();

    const QRect area = uncovered();
    const int screenHeight = m_main->screen()->geometry().height();
    QRect shared;
    for (int n = 1; n <= counters; ++n) {
        const QRect place = counter(n)->geometry();
        QCOMPARE(place.width(), area.width());
        QVERIFY(qAbs(place.height() - area.height() / counters) <= 1);
        shared |= place;
        const QRect ink = inkBox(*m_main, place, m_main->backgroundColour());
        QVERIFY2(place.contains(ink), "the digits stay within their own counter");
        QVERIFY2(ink.height() * counters >= screenHeight / 2, qPrintable(QString::number(ink.height())));
        QVERIFY(ink.height() <= place.height() * MainWindow::fullScreenDigitShare + 1);
    }
    QCOMPARE(shared, area);
    if (counters == 2)
        QVERIFY(counter(2)->y() > counter(1)->geometry().bottom());
}

// The fitted size is the largest for the values shown; the steps go on from
// there up to what fits the screen.
void FullScreenTest::fontStepsFromTheFittedSize()
{
    m_main->setCounterCaptions(QStringLiteral("12345"), QString());
    button("cmdFullScreen")->click();
    CounterLabel *c1 = counter(1);
    const double fitted = c1->fontPoints();
    QVERIFY(c1->pointsFittingWidth(c1->text(), c1->width(), fitted + 1) < fitted + 1);
    QCOMPARE(c1->drawnFontPoints(), fitted);

    button("cmdFontDec")->click();
    QCOMPARE(c1->fontPoints(), fitted - 12);
    m_main->setCounterCaptions(QStringLiteral("1"), QString());
    const double largest = c1->pointsFittingDigitHeight(c1->height() * MainWindow::fullScreenDigitShare);
    for (int i = 0; i < 200; ++i)
        button("cmdFontInc")->click();
    QVERIFY(c1->fontPoints() <= largest);
    QVERIFY(c1->fontPoints() + 12 > largest);
    QVERIFY(c1->fontPoints() > MainWindow::largestGrowable + 12);
}

void FullScreenTest::numbersShowWhole_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("toolbarPresses");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<bool>("shrunk");

    const QString largest = QStringLiteral("1.79769313486232E+308");
    const QString unsigned64 = QStringLiteral("18446744073709551615");
    QTest::newRow("a short number keeps the chosen size") << "12345" << 1 << 0 << false << false;
    QTest::newRow("largest double, default window") << largest << 1 << 0 << false << true;
    QTest::newRow("largest unsigned, default window") << unsigned64 << 1 << 0 << false << true;
    QTest::newRow("largest unsigned, bottom counter") << unsigned64 << 2 << 0 << false << true;
    QTest::newRow("largest double, toolbar covering the right") << largest << 1 << 1 << false << true;
    QTest::newRow("largest unsigned, toolbar on the left") << unsigned64 << 2 << 2 << false << true;
    QTest::newRow("largest double, full screen") << largest << 1 << 0 << true << true;
    QTest::newRow("largest unsigned, full screen, bottom counter") << unsigned64 << 2 << 1 << true << true;
}

void FullScreenTest::numbersShowWhole()
{
    QFETCH(QString, value);
    QFETCH(int, counter);
    QFETCH(int, toolbarPresses);
    QFETCH(bool, fullScreen);
    QFETCH(bool, shrunk);
    useTwoCounters();
    for (int i = 0; i < toolbarPresses; ++i)
        button("cmdToolbar")->click();
    if (fullScreen)
        button("cmdFullScreen")->click();
    const double chosen = this->counter(counter)->fontPoints();
    const QString other = QStringLiteral("7");
    m_main->showCounters(counter == 1 ? value : other, counter == 2 ? &value : &other);

    CounterLabel *label = this->counter(counter);
    QCOMPARE(label->fontPoints(), chosen);
    QCOMPARE(label->drawnFontPoints() < chosen, shrunk);
    const QRect visible = label->geometry().intersected(uncovered());
    const QRect ink = inkBox(*m_main, visible, m_main->backgroundColour());
    QVERIFY2(ink.left() > visible.left() && ink.right() < visible.right(), "the number reaches an edge");
    QFont drawn = label->font();
    drawn.setPointSizeF(label->drawnFontPoints());
    const double whole = QFontMetricsF(drawn, label).tightBoundingRect(value).width();
    QVERIFY2(ink.width() >= whole - 2, qPrintable(QStringLiteral("%1 of %2 pixels drawn").arg(ink.width()).arg(whole)));
    // The other counter keeps its size.
    QCOMPARE(this->counter(3 - counter)->drawnFontPoints(), chosen);
}

namespace {
// Not keys: a tap on the counters, and a double tap.
constexpr Qt::Key tap = Qt::Key_unknown;
constexpr Qt::Key doubleTap = Qt::Key(Qt::Key_unknown - 1);
// A tap on the counters that a modal dialog at the board's foot keeps from the window.
constexpr Qt::Key blockedTap = Qt::Key(Qt::Key_unknown - 2);
} // namespace

void FullScreenTest::remoteKeys_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("outcome");  // starts or continues, pauses, then counters 1 and 2 hidden (H) or shown (-)
    QTest::newRow("Page Down starts") << "" << Qt::Key_PageDown << "1 0 --";
    QTest::newRow("Right starts") << "" << Qt::Key_Right << "1 0 --";
    QTest::newRow("Page Down pauses a count") << "counting" << Qt::Key_PageDown << "0 1 --";
    QTest::newRow("Right pauses a count") << "counting" << Qt::Key_Right << "0 1 --";
    QTest::newRow("Page Down starts again after a run") << "stopped" << Qt::Key_PageDown << "1 0 --";
    QTest::newRow("Page Up does nothing") << "" << Qt::Key_PageUp << "0 0 --";
    QTest::newRow("'.' hides the counter") << "" << Qt::Key_Period << "0 0 H-";
    QTest::newRow("B hides it while counting") << "counting" << Qt::Key_B << "0 0 H-";
    QTest::newRow("'.' swaps two counters") << "two counters, bottom hidden" << Qt::Key_Period << "0 0 H-";
    QTest::newRow("greyed Start is not pressed") << "greyed Start" << Qt::Key_PageDown << "0 0 --";
    QTest::newRow("hidden hide/show is not pressed") << "hidden hide/show" << Qt::Key_B << "0 0 --";
    QTest::newRow("a tap on the counters starts") << "full screen" << tap << "1 0 --";
    QTest::newRow("a tap on the counters pauses") << "full screen, counting" << tap << "0 1 --";
    QTest::newRow("a double tap starts once") << "full screen" << doubleTap << "1 0 --";
    QTest::newRow("a tap in the window does nothing") << "" << tap << "0 0 --";
    QTest::newRow("a tap under the pause strip continues") << "full screen, paused" << blockedTap << "1 0 --";
    QTest::newRow("a tap under a dialog in the window does nothing") << "paused" << blockedTap << "0 0 --";
}

void FullScreenTest::remoteKeys()
{
    QFETCH(QString, setup);
    QFETCH(Qt::Key, key);
    QFETCH(QString, outcome);
    if (setup.startsWith(QLatin1String("two counters"))) {
        useTwoCounters();
        button("cmdMaskCounter2")->click();
    }
    if (setup.startsWith(QLatin1String("full screen"))) {
        m_main->setFullScreen(true);
        QTRY_VERIFY(m_main->isFullScreen());
    }
    m_main->setRunning(setup.endsWith(QLatin1String("counting")) || setup == QLatin1String("stopped"));
    if (setup == QLatin1String("stopped"))
        m_main->setRunning(false);
    if (setup == QLatin1String("greyed Start"))
        m_main->action(ToolbarCommand::Start)->setEnabled(false);
    if (setup == QLatin1String("hidden hide/show"))
        m_main->action(ToolbarCommand::MaskCounter)->setVisible(false);
    QSignalSpy started(m_main.get(), &MainWindow::startRequested);
    QSignalSpy paused(m_main.get(), &MainWindow::pauseRequested);
    QSignalSpy continued(m_main.get(), &MainWindow::countersTappedUnderDialog);
    QDialog strip(m_main.get());
    if (setup.endsWith(QLatin1String("paused"))) {
        strip.setModal(true);
        m_main->standAtFoot(strip);
        strip.show();
    }

    if (key == blockedTap) {
        m_main->pressWhileBlocked(counter(1)->mapTo(m_main.get(), counter(1)->rect().center()));
    } else if (key == tap || key == doubleTap) {
        QTest::mouseClick(counter(1), Qt::LeftButton);
        if (key == doubleTap) {
            // The window system reports the second tap as a double-click.
            QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(10, 10), counter(1)->mapToGlobal(QPointF(10, 10)),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(counter(1), &second);
        }
    } else {
        pressKey(key);
    }

    const auto shown = [this](int n) { return QLatin1Char(counter(n)->isMasked() ? 'H' : '-'); };
    QCOMPARE(QStringLiteral("%1 %2 %3%4").arg(started.size() + continued.size()).arg(paused.size()).arg(shown(1)).arg(shown(2)), outcome);
}

QTEST_MAIN(FullScreenTest)
#include "tst_fullscreen.moc"
