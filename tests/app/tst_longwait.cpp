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

// A slow two-counter lesson on the real X display, with real time and the
// real event pump: Pause clicked with the real pointer during a held
// 20-second wait brings the pause dialog within a second.
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
            QTimer::singleShot(0, dialog, [dialog] { dialog->button("cmdStopit")->click(); });
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
    QTimer::singleShot(2000, this, [&] {
        pressedAt = m_clock.elapsed();
        QProcess::startDetached("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    });
    // Should the press never act, the lesson still ends.
    QTimer::singleShot(10000, this, [&] { lesson.quit(); });
    m_clock.start();
    named<QPushButton>(lesson.mainWindow(), "cmdStart")->click();
    qApp->removeEventFilter(this);

    QVERIFY2(m_dialogAt >= pressedAt && pressedAt >= 0, "no pause dialog after the press");
    QVERIFY2(m_dialogAt - pressedAt < 1000, qPrintable(QString("%1 ms").arg(m_dialogAt - pressedAt)));
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
