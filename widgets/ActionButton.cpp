#include "widgets/ActionButton.h"

#include <QAbstractButton>
#include <QAction>

void bindToAction(QAbstractButton &button, QAction &action)
{
    const auto follow = [&button, &action] {
        button.setEnabled(action.isEnabled());
        button.setVisible(action.isVisible());
        button.setCheckable(action.isCheckable());
        button.setChecked(action.isChecked());
    };
    follow();
    QObject::connect(&action, &QAction::changed, &button, follow);
    QObject::connect(&action, &QAction::toggled, &button, &QAbstractButton::setChecked);
    // A checkable button has changed its state already; the action's trigger
    // changes the action's the same way.
    QObject::connect(&button, &QAbstractButton::clicked, &action, &QAction::trigger);
}

void triggerIfAvailable(QAction *action)
{
    if (action && action->isVisible() && action->isEnabled())
        action->trigger();
}
