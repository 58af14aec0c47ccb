#include "widgets/PresenterKeys.h"

#include "widgets/ActionButton.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

void bind(QWidget &window, std::initializer_list<QKeySequence> keys, const ActionChooser &choose)
{
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, &window);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, &window, [choose] { triggerIfAvailable(choose()); });
    }
}

} // namespace

void bindPresenterKeys(QWidget &window, ActionChooser advance, ActionChooser blank)
{
    bind(window, {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Right)}, advance);
    bind(window, {QKeySequence(Qt::Key_Period), QKeySequence(Qt::Key_B)}, blank);
}
