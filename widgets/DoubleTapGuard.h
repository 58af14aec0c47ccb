#pragma once

// A double tap whose first tap closes a window (Stop Counting, Continue, a
// message box's OK) must not land its second tap on whatever stands
// underneath: the toolbar's Start, an input box's Cancel. The window system
// reports that second tap as a double-click, so a double-click whose first
// press went to another window, one since closed included, is dropped; the
// release that follows it then finds nothing pressed. A first press that
// went to no widget at all (a tap on a window blocked by a modal one) leaves
// the double-click alone.

#include <QObject>
#include <QPointer>

class QWidget;

class DoubleTapGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_pressedWindow;
    quint64 m_pressedAt = 0;  // the window system's milliseconds
};
