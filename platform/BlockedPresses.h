#pragma once

// Qt drops a press on a window that a modal dialog blocks before any event
// filter could see it. On X11 the press is read here first, as the window
// system sent it, and reported with the window it landed on. The second tap
// of a double tap, in the same place, is not reported again.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>

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

private:
    void press(unsigned window, unsigned time);

    int m_inputOpcode = -1;
    unsigned m_lastPressAt = 0;
    QPoint m_lastPressPos;
    bool m_pressedBefore = false;
};
