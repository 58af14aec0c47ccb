#pragma once

// The keys a presenter's remote sends, bound in one window: Page Down and
// Right give the command that Enter would give there; "." and B (the
// remote's black-screen key) the one that hides or shows every counter. A
// held key gives its command once, and only while the command is available.

#include <functional>

class QAction;
class QWidget;

using ActionChooser = std::function<QAction *()>;

void bindPresenterKeys(QWidget &window, ActionChooser advance, ActionChooser blank);
