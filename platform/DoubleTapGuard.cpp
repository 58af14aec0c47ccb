#include "DoubleTapGuard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

bool DoubleTapGuard::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressedWindow = widget->window();
        m_pressedAt = static_cast<QMouseEvent *>(event)->timestamp();
        return false;
    case QEvent::MouseButtonDblClick: {
        // Older than a double-click's two presses: the first press was not
        // delivered to us, and nothing is known about its window.
        const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        if (static_cast<QMouseEvent *>(event)->timestamp() - m_pressedAt > interval)
            return false;
        // A window closed since the first press leaves a null pointer here,
        // even if a new one has taken its place in memory.
        return widget->window() != m_pressedWindow;
    }
    default:
        return false;
    }
}
