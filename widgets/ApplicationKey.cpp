#include "widgets/ApplicationKey.h"

#include <QCoreApplication>
#include <QKeyEvent>

ApplicationKey::ApplicationKey(Qt::Key key, std::function<void()> action) : m_key(key), m_action(std::move(action))
{
    QCoreApplication::instance()->installEventFilter(this);
}

ApplicationKey::~ApplicationKey()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

// Taken before any window's shortcuts or widgets see it; a held key acts once.
bool ApplicationKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != m_key || key->modifiers() != Qt::NoModifier)
        return false;
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        m_action();
    event->accept();
    return event->type() == QEvent::KeyPress;
}
