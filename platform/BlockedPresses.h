#pragma once

// Qt drops a press on a window that a modal dialog blocks before any event
// filter could see it. On X11 the press is read here first, as the window
// system sent it, and reported with the window it landed on; so are the
// moves of the finger or pointer until it is lifted, and turns of the wheel.
// The second tap of a double tap, in the same place, is not reported again.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>

class QWidget;

class BlockedPresses : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // What reached a blocked window: a left-button press or a touch, its
    // moves and its lift, or a notch of the wheel, up (away from the user) or
    // down.
    enum class Pointer { Press, Drag, Release, WheelUp, WheelDown };
    Q_ENUM(Pointer)

    // Reads the application's window system events from now on.
    explicit BlockedPresses(QObject *parent = nullptr);
    ~BlockedPresses() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // At pos in window, which a modal one keeps from its input. A reported
    // press's drags and release follow it to its window.
    void reached(QWidget *window, QPoint pos, BlockedPresses::Pointer what);

private:
    struct Event {
        Pointer what;  // a press, a drag or a release
        unsigned button;  // the finger's is 1, as the left button's
        unsigned window;
        unsigned time;
        QPointF onScreen;  // in the window system's pixels
        QPointF inWindow;
    };
    void take(const Event &event);
    void press(QWidget *window, QPoint at, const Event &event);
    QWidget *blockedWindow(unsigned window) const;

    int m_inputOpcode = -1;
    unsigned m_lastPressAt = 0;
    QPoint m_lastPressPos;
    bool m_pressedBefore = false;
    QPointer<QWidget> m_held;  // the window of the reported press while it lasts
};
