#include "tests/support/Named.h"
#include "platform/Twips.h"
#include "windows/WindowMemory.h"
#include "windows/pause/PauseDialog.h"

#include <QSignalSpy>
#include <QTimer>
#include <QTest>

namespace {
std::unique_ptr<PauseDialog> pauseDialog(int counters, CountingSession &session, WindowPlacement &placement)
{
    if (counters == 1)
        return std::make_unique<OneCounterPauseDialog>(session, placement, nullptr);
    return std::make_unique<TwoCounterPauseDialog>(session, placement, nullptr);
}

struct ButtonRow {
    const char *name;
    int left;
    const char *tooltip;
};
} // namespace

class PauseDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void choiceButtons_data();
    void choiceButtons();
    void hideShowButtonsKeepTheDialog_data();
    void hideShowButtonsKeepTheDialog();
    void onlyButtonsEndThePause();
    void enterContinues();
    void remoteKeys_data();
    void remoteKeys();
};

void PauseDialogsTest::layout_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QStringList>("tooltips");
    QTest::newRow("one counter") << 1 << 3615
        << QStringList{"cmdContinue", "cmdStopit", "cmdPredict", "cmdList", "cmdGraph", "cmdMaskC1"}
        << QList<int>{598, 0, 1830, 3050, 2440, 1220}
        << QStringList{"Continue Counting", "Stop Counting", "Predict Next Number", "Number List", "Graph", "Hide/Show Counter"};
    QTest::newRow("two counters") << 2 << 4785
        << QStringList{"cmdContinue", "cmdStopit", "cmdPredict", "cmdList", "cmdGraph", "cmdMaskCounter1", "cmdMaskCounter2", "cmdMaskBoth"}
        << QList<int>{598, 0, 3000, 4200, 3600, 1200, 1800, 2400}
        << QStringList{"Continue Counting", "Stop Counting", "Predict Next Number", "Number List", "Graph",
                       "Hide/Show Top Counter", "Hide/Show Bottom Counter", "Hide/Show Both Counters"};
}

void PauseDialogsTest::layout()
{
    QFETCH(int, counters);
    QFETCH(int, width);
    QFETCH(QStringList, tabOrder);
    QFETCH(QList<int>, lefts);
    QFETCH(QStringList, tooltips);
    CountingSession session;
    WindowMemory memory;
    const std::unique_ptr<PauseDialog> dialog = pauseDialog(counters, session, memory.pauseDialogPlacement);
    QCOMPARE(dialog->objectName(), counters == 1 ? QStringLiteral("frmPaused") : QStringLiteral("frmPaused2"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Paused Counting"));
    QCOMPARE(dialog->size(), twipsSize(width, 585));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    for (qsizetype i = 0; i < tabOrder.size(); ++i) {
        QPushButton *b = named<QPushButton>(*dialog, tabOrder[i].toLatin1().constData());
        QVERIFY2(b, qPrintable(tabOrder[i]));
        QCOMPARE(b->x(), twipsToPixels(lefts[i]));
        QCOMPARE(b->toolTip(), tooltips[i]);
        QCOMPARE(b->accessibleName(), tooltips[i]);
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->isDefault(), i == 0);
        if (i > 0)
            QCOMPARE(named<QPushButton>(*dialog, tabOrder[i - 1].toLatin1().constData())->nextInFocusChain(), b);
    }
    QCOMPARE(named<QPushButton>(*dialog, "cmdContinue")->width(), twipsToPixels(610));
}

void PauseDialogsTest::choiceButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PauseChoice>("choice");
    QTest::newRow("stop") << "cmdStopit" << PauseChoice::Stop;
    QTest::newRow("continue") << "cmdContinue" << PauseChoice::Continue;
    QTest::newRow("predict") << "cmdPredict" << PauseChoice::Predict;
    QTest::newRow("list") << "cmdList" << PauseChoice::List;
    QTest::newRow("graph") << "cmdGraph" << PauseChoice::Graph;
}

void PauseDialogsTest::choiceButtons()
{
    QFETCH(QString, name);
    QFETCH(PauseChoice, choice);
    for (int counters : {1, 2}) {
        CountingSession session;
        WindowMemory memory;
        const std::unique_ptr<PauseDialog> dialog = pauseDialog(counters, session, memory.pauseDialogPlacement);
        dialog->move(300, 200);
        QSignalSpy made(dialog.get(), &PauseDialog::choiceMade);
        QTimer::singleShot(0, dialog.get(), [&] { QTest::mouseClick(named<QPushButton>(*dialog, name.toLatin1().constData()), Qt::LeftButton); });
        dialog->exec();
        QCOMPARE(session.pauseChoice, choice);
        QCOMPARE(memory.pauseDialogPlacement.topLeft.value(), QPointF(300 * 15, 200 * 15));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(made.size(), 1);
    }
}

void PauseDialogsTest::hideShowButtonsKeepTheDialog_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("counter1");
    QTest::addColumn<int>("counter2");
    QTest::newRow("one counter") << 1 << "cmdMaskC1" << 1 << 0;
    QTest::newRow("top") << 2 << "cmdMaskCounter1" << 1 << 0;
    QTest::newRow("bottom") << 2 << "cmdMaskCounter2" << 0 << 1;
}

void PauseDialogsTest::hideShowButtonsKeepTheDialog()
{
    QFETCH(int, counters);
    QFETCH(QString, name);
    QFETCH(int, counter1);
    QFETCH(int, counter2);
    CountingSession session;
    WindowMemory memory;
    session.pauseChoice = PauseChoice::Continue;
    const std::unique_ptr<PauseDialog> dialog = pauseDialog(counters, session, memory.pauseDialogPlacement);
    QSignalSpy spy1(dialog.get(), &PauseDialog::maskCounter1);
    QSignalSpy spy2(dialog.get(), &PauseDialog::maskCounter2);
    dialog->show();
    QTest::mouseClick(named<QPushButton>(*dialog, name.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(spy1.size(), counter1);
    QCOMPARE(spy2.size(), counter2);
    QVERIFY(dialog->isVisible());
    QCOMPARE(session.pauseChoice, PauseChoice::Continue);
    QVERIFY(!memory.pauseDialogPlacement.topLeft.has_value());
}

void PauseDialogsTest::onlyButtonsEndThePause()
{
    CountingSession session;
    WindowMemory memory;
    OneCounterPauseDialog dialog(session, memory.pauseDialogPlacement, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(session.pauseChoice, PauseChoice::None);
}

void PauseDialogsTest::enterContinues()
{
    CountingSession session;
    WindowMemory memory;
    TwoCounterPauseDialog dialog(session, memory.pauseDialogPlacement, nullptr);
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    dialog.exec();
    QCOMPARE(session.pauseChoice, PauseChoice::Continue);
}

void PauseDialogsTest::remoteKeys_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<PauseChoice>("choice");
    QTest::addColumn<QString>("masked");  // the hide/show signals given
    QTest::newRow("Page Down continues") << 1 << Qt::Key_PageDown << PauseChoice::Continue << "";
    QTest::newRow("Right continues, two counters") << 2 << Qt::Key_Right << PauseChoice::Continue << "";
    QTest::newRow("'.' hides the counter") << 1 << Qt::Key_Period << PauseChoice::None << "1";
    QTest::newRow("B hides both counters") << 2 << Qt::Key_B << PauseChoice::None << "both";
    QTest::newRow("Left stays") << 1 << Qt::Key_Left << PauseChoice::None << "";
}

void PauseDialogsTest::remoteKeys()
{
    QFETCH(int, counters);
    QFETCH(Qt::Key, key);
    QFETCH(PauseChoice, choice);
    QFETCH(QString, masked);
    CountingSession session;
    WindowMemory memory;
    const std::unique_ptr<PauseDialog> dialog = pauseDialog(counters, session, memory.pauseDialogPlacement);
    QString given;
    connect(dialog.get(), &PauseDialog::maskCounter1, dialog.get(), [&] { given += "1"; });
    if (auto *both = qobject_cast<TwoCounterPauseDialog *>(dialog.get()))
        connect(both, &TwoCounterPauseDialog::maskBoth, both, [&] { given += "both"; });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog.get(), key);
    QCOMPARE(session.pauseChoice, choice);
    QCOMPARE(dialog->isVisible(), choice == PauseChoice::None);
    QCOMPARE(given, masked);
}

QTEST_MAIN(PauseDialogsTest)
#include "tst_pausedialogs.moc"
