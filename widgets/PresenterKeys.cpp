#include "widgets/PresenterKeys.h"

#include <QPushButton>
#include <QShortcut>

namespace {

void bind(QWidget &window, std::initializer_list<QKeySequence> keys, const ButtonChooser &choose)
{
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, &window);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, &window, [choose] { pressIfAvailable(choose()); });
    }
}

} // namespace

void bindPresenterKeys(QWidget &window, ButtonChooser advance, ButtonChooser blank)
{
    bind(window, {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Right)}, advance);
    bind(window, {QKeySequence(Qt::Key_Period), QKeySequence(Qt::Key_B)}, blank);
}

void pressIfAvailable(QPushButton *button)
{
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}
