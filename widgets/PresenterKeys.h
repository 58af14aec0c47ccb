#pragma once

// The keys a presenter's remote sends, bound in one window: Page Down and
// Right press the button that Enter would press there; "." and B (the
// remote's black-screen key) press the button that hides or shows every
// counter. A held key presses once.

#include <functional>

class QPushButton;
class QWidget;

using ButtonChooser = std::function<QPushButton *()>;

void bindPresenterKeys(QWidget &window, ButtonChooser advance, ButtonChooser blank);

// Presses the button if it is there, shown and enabled: no key may reach a
// button the teacher could not press.
void pressIfAvailable(QPushButton *button);
