#pragma once

// Drives a modal dialog from inside its own event loop: schedule the step,
// then make the call that blocks in the dialog.

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

template <typename Dialog = QDialog>
void whenModalShown(std::function<void(Dialog *)> step)
{
    QTimer::singleShot(0, [step] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTest::qFail("the expected modal dialog is not up", __FILE__, __LINE__);
            if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        // Typing goes to the focused widget only once the dialog is active.
        if (!QTest::qWaitForWindowActive(dialog))
            QTest::qFail("the dialog never became active", __FILE__, __LINE__);
        else
            step(dialog);
        // A step that failed halfway must not leave the test waiting on the dialog.
        if (dialog->isVisible())
            dialog->reject();
    });
}
