#include "app/AppController.h"
#include "platform/QtDialogs.h"
#include "platform/SteadyClock.h"
#include "tests/support/Named.h"
#include "tests/support/TestDisplay.h"
#include "windows/pause/PauseDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>

// A slow two-counter lesson on the real X display, with real time and the
// real event pump: Pause clicked with the real pointer during a held
// 20-second wait brings the pause dialog within a second. The second runs
// from when xdotool has clicked, however long a busy machine took to start
// it; xdotool runs beside the event loop, so that the moment is not taken
// by the loop under test.
class LongWaitTest : public QObject {
    Q_OBJECT
private slots:
    void pauseActsWithinASecond();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *dialog = qobject_cast<PauseDialog *>(watched); dialog && event->type() == QEvent::Show) {
            m_dialogAt = m_clock.elapsed();
            m_shownAtPause = named<CounterLabel>(*m_main, "lblCounter1")->text();
            QTimer::singleShot(0, dialog, [dialog] { named<QPushButton>(*dialog, "cmdStopit")->click(); });
        }
        return false;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_dialogAt = -1;
    QString m_shownAtPause;
    QWidget *m_main = nullptr;
};

void LongWaitTest::pauseActsWithinASecond()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("Needs a real X display: scripts/test sets TALLYVANE_TEST_DISPLAY.");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("Needs xdotool to click on the X display.");
    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump, [] {});
    lesson.session().counterCount = 2;
    lesson.session().counter1 = {1, 1, 0};
    lesson.session().counter2 = {5, 5, 0};
    lesson.session().speed = 20;
    lesson.mainWindow().setTwoCounterMode(true);
    lesson.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&lesson.mainWindow()));
    m_main = &lesson.mainWindow();
    qApp->installEventFilter(this);

    auto *pause = named<QPushButton>(lesson.mainWindow(), "cmdStop");
    const QPoint at = pause->mapToGlobal(pause->rect().center());
    qint64 pressedAt = -1;
    std::atomic<qint64> clickedAt = -1;
    std::thread clicker;
    QTimer press;
    press.setSingleShot(true);
    connect(&press, &QTimer::timeout, this, [&] {
        pressedAt = m_clock.elapsed();
        clicker = std::thread([&] {
            QProcess::execute("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
            clickedAt = m_clock.elapsed();
        });
    });
    // Should the press never act, the lesson still ends, before its wait would.
    QTimer end;
    end.setSingleShot(true);
    connect(&end, &QTimer::timeout, this, [&] { lesson.quit(); });
    m_clock.start();
    press.start(2000);
    end.start(15000);
    named<QPushButton>(lesson.mainWindow(), "cmdStart")->click();
    qApp->removeEventFilter(this);
    if (clicker.joinable())
        clicker.join();

    QVERIFY2(pressedAt >= 0 && clickedAt >= 0 && clickedAt < 15000, "xdotool did not click before the lesson ended");
    QVERIFY2(m_dialogAt >= pressedAt, "no pause dialog after the press");
    QVERIFY2(m_dialogAt - clickedAt < 1000, qPrintable(QString("%1 ms").arg(m_dialogAt - clickedAt)));
    QCOMPARE(m_shownAtPause, QStringLiteral("1"));
}

int main(int argc, char *argv[])
{
    useTestDisplay();
    QApplication app(argc, argv);
    LongWaitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_longwait.moc"
