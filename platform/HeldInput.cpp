#include "platform/HeldInput.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return true;
    default:
        return false;
    }
}

// A key handed on anew tries its shortcut again, as a key typed then would.
std::unique_ptr<QEvent> copyOf(const QEvent &event)
{
    if (event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease) {
        const auto &key = static_cast<const QKeyEvent &>(event);
        return std::make_unique<QKeyEvent>(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                                           key.nativeVirtualKey(), key.nativeModifiers(), key.text(),
                                           key.isAutoRepeat(), key.count());
    }
    return std::unique_ptr<QEvent>(event.clone());
}

} // namespace

void HeldInput::hold(LetThrough letThrough)
{
    m_letThrough = std::move(letThrough);
    if (!m_holding)
        qApp->installEventFilter(this);
    m_holding = true;
}

void HeldInput::release()
{
    if (m_holding)
        qApp->removeEventFilter(this);
    m_holding = false;
    for (Held &held : m_held) {
        if (held.receiver)
            QCoreApplication::postEvent(held.receiver, held.event.release());
    }
    m_held.clear();
}

bool HeldInput::eventFilter(QObject *receiver, QEvent *event)
{
    if (QApplication::activeModalWidget())
        return false;
    // A key's shortcut is tried before the window sees the key: accepting
    // the override keeps the shortcut for when the key is handed on.
    if (event->type() == QEvent::ShortcutOverride) {
        if (m_letThrough(*event))
            return false;
        event->accept();
        return true;
    }
    // Input reaches a window first, which hands it to the widget under the
    // pointer or with the focus; held there, it is handed on the same way.
    if (!receiver->isWindowType() || !isInput(event->type()) || m_letThrough(*event))
        return false;
    m_held.push_back({receiver, copyOf(*event)});
    return true;
}
