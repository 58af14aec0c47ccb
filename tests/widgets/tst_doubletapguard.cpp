#include "widgets/DoubleTapGuard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

// A double tap reaches widgets as press, release, double-click, release. Its
// second tap only counts in the window that took the first.
class DoubleTapGuardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondTap_data();
    void secondTap();

private:
    enum FirstTap { SameButton, ClosesItsWindow, DestroysItsWindow, NotDelivered };

    std::unique_ptr<DoubleTapGuard> m_guard;
};

namespace {

void send(QWidget *widget, QEvent::Type type, quint64 at)
{
    const QPointF local = QRectF(widget->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(at);
    QApplication::sendEvent(widget, &event);
}

QPushButton *shownButton(QWidget *window)
{
    auto *button = new QPushButton(QStringLiteral("Tap"), window);
    window->show();
    return button;
}

} // namespace

void DoubleTapGuardTest::init()
{
    m_guard = std::make_unique<DoubleTapGuard>();
    qApp->installEventFilter(m_guard.get());
}

void DoubleTapGuardTest::cleanup()
{
    m_guard.reset();
}

void DoubleTapGuardTest::secondTap_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("clicks");
    QTest::newRow("both taps on one button") << int(SameButton) << 2;
    QTest::newRow("first tap hid its window") << int(ClosesItsWindow) << 0;
    QTest::newRow("first tap destroyed its window") << int(DestroysItsWindow) << 0;
    QTest::newRow("first tap reached no widget") << int(NotDelivered) << 1;
}

void DoubleTapGuardTest::secondTap()
{
    QFETCH(int, first);
    QFETCH(int, clicks);
    QWidget under;
    QPushButton *second = shownButton(&under);
    auto *above = new QWidget;
    QPushButton *closing = shownButton(above);
    QObject::connect(closing, &QPushButton::clicked, above, [above, first] {
        if (first == DestroysItsWindow)
            delete above;
        else
            above->hide();
    });
    int secondClicks = 0;
    QObject::connect(second, &QPushButton::clicked, second, [&] { ++secondClicks; });

    constexpr quint64 start = 100000;
    switch (first) {
    case SameButton:
        send(second, QEvent::MouseButtonPress, start);
        send(second, QEvent::MouseButtonRelease, start + 60);
        break;
    case ClosesItsWindow:
    case DestroysItsWindow:
        send(closing, QEvent::MouseButtonPress, start);
        send(closing, QEvent::MouseButtonRelease, start + 60);
        break;
    case NotDelivered:
        break;
    }
    send(second, QEvent::MouseButtonDblClick, start + 120);
    send(second, QEvent::MouseButtonRelease, start + 180);

    QCOMPARE(secondClicks, clicks);
    if (first != DestroysItsWindow)
        delete above;
}

QTEST_MAIN(DoubleTapGuardTest)
#include "tst_doubletapguard.moc"
