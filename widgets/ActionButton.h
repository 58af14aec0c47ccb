#pragma once

// A button that gives an action: pressing it triggers the action, and it is
// enabled, shown and checked as the action is. What a command may do is then
// set once, on the action, for every button and key that gives it.

class QAbstractButton;
class QAction;

void bindToAction(QAbstractButton &button, QAction &action);

// Triggers the action if it can be used now: no key may give a command the
// teacher could not press.
void triggerIfAvailable(QAction *action);
