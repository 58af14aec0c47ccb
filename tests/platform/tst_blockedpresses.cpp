#include "platform/BlockedPresses.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>

class BlockedPressesTest : public QObject {
    Q_OBJECT
private slots:
    void reported_data();
    void reported();
};

void BlockedPressesTest::reported_data()
{
    QTest::addColumn<QString>("modal");   // "", or "shown"
    // window:button:milliseconds[:x], the window "main" or "dialog", the
    // pointer at x across it (else at 10)
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("reports");
    QTest::newRow("a press on a blocked window") << "shown" << "main:1:1000" << 1;
    QTest::newRow("a double tap, once") << "shown" << "main:1:1000 main:1:1100" << 1;
    QTest::newRow("two taps apart, twice") << "shown" << "main:1:1000 main:1:5000" << 2;
    QTest::newRow("two quick taps in two places, twice") << "shown" << "main:1:1000:10 main:1:1100:150" << 2;
    QTest::newRow("the modal window's own press") << "shown" << "dialog:1:1000" << 0;
    QTest::newRow("no modal window") << "" << "main:1:1000" << 0;
    QTest::newRow("the right button") << "shown" << "main:3:1000" << 0;
}

void BlockedPressesTest::reported()
{
    QFETCH(QString, modal);
    QFETCH(QString, presses);
    QFETCH(int, reports);
    QWidget main;
    main.resize(200, 100);
    main.show();
    QDialog dialog(&main);
    dialog.setModal(true);
    if (!modal.isEmpty())
        dialog.show();
    BlockedPresses watch;
    qRegisterMetaType<QWidget *>();
    QSignalSpy reached(&watch, &BlockedPresses::reached);
    for (const QString &press : presses.split(QLatin1Char(' '))) {
        const QStringList parts = press.split(QLatin1Char(':'));
        xcb_button_press_event_t event{};
        event.event_x = event.root_x = std::int16_t(parts.value(3, QStringLiteral("10")).toInt());
        event.response_type = XCB_BUTTON_PRESS;
        event.detail = xcb_button_t(parts[1].toInt());
        event.time = parts[2].toUInt();
        event.event = xcb_window_t((parts[0] == QLatin1String("main") ? main : static_cast<QWidget &>(dialog)).winId());
        QVERIFY(!watch.nativeEventFilter("xcb_generic_event_t", &event, nullptr));
    }
    const int pressesReported = int(std::count_if(reached.cbegin(), reached.cend(), [](const QList<QVariant> &report) {
        return report[2].value<BlockedPresses::Pointer>() == BlockedPresses::Pointer::Press;
    }));
    QCOMPARE(pressesReported, reports);
}

QTEST_MAIN(BlockedPressesTest)
#include "tst_blockedpresses.moc"
