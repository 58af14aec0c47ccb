#pragma once

// Acts in the program's modal dialogs the way a teacher would: each dialog,
// once shown and inside its own event loop, is handed to the next queued
// action. A dialog that no action expects is recorded and closed, so a test
// never hangs in it.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

class ModalScript : public QObject {
public:
    using Action = std::function<void(QDialog *)>;

    ModalScript() { qApp->installEventFilter(this); }
    ~ModalScript() override { qApp->removeEventFilter(this); }

    void then(Action action) { m_actions.enqueue(std::move(action)); }

    QStringList shown;
    QStringList unexpected;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isWindow()) {
            shown << dialog->objectName();
            Action action = m_actions.isEmpty() ? Action() : m_actions.dequeue();
            QTimer::singleShot(0, this, [this, action, d = QPointer<QDialog>(dialog)] {
                if (!d)
                    return;
                if (action) {
                    action(d);
                } else {
                    unexpected << d->objectName();
                    d->done(0);
                }
            });
        }
        return false;
    }

private:
    QQueue<Action> m_actions;
};
