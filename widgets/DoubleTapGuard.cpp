#include "widgets/DoubleTapGuard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

bool DoubleTapGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    const quint64 at = static_cast<QMouseEvent *>(event)->timestamp();
    if (type == QEvent::MouseButtonPress) {
        m_pressedWindow = widget->window();
        m_pressedAt = at;
        return false;
    }
    // Older than a double-click's two presses: the first press was not
    // delivered to us, and nothing is known about its window.
    const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (at - m_pressedAt > interval)
        return false;
    // A window closed since the first press leaves a null pointer here, even
    // if a new one has taken its place in memory.
    return widget->window() != m_pressedWindow;
}
