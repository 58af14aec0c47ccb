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
    // Reads the application's window system events from now on.
    explicit BlockedPresses(QObject *parent = nullptr);
    ~BlockedPresses() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // A left-button press or a touch, at pos in the window, on a window that a
    // modal one keeps from its input.
    void pressed(QWidget *window, QPoint pos);
    // The reported press moved to pos, or was lifted there.
    void dragged(QWidget *window, QPoint pos);
    void released(QWidget *window, QPoint pos);
    // The wheel turned by notches over a blocked window: up, away from the
    // user, is positive.
    void wheeled(QWidget *window, QPoint pos, int notches);

private:
    enum class Pointer { Press, Move, Release };
    struct Event {
        Pointer what;
        unsigned button;  // the finger's is 1, as the left button's
        unsigned window;
        unsigned time;
        QPointF onScreen;  // in the window system's pixels
        QPointF inWindow;
    };
    void pointer(const Event &event);
    void press(QWidget *window, QPoint at, const Event &event);
    QWidget *blockedWindow(unsigned window) const;

    int m_inputOpcode = -1;
    unsigned m_lastPressAt = 0;
    QPoint m_lastPressPos;
    bool m_pressedBefore = false;
    QPointer<QWidget> m_held;  // the window of the reported press while it lasts
};
