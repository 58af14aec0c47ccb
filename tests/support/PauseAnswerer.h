#pragma once

// Plays the teacher at the pause dialog: whenever a pause dialog comes up, it
// presses the next scripted button, once the dialog is really on screen.

#include "tests/support/Named.h"
#include "windows/pause/PauseDialog.h"

#include <QApplication>
#include <QEvent>
#include <QQueue>
#include <QTest>
#include <QTimer>

#include <functional>

class PauseAnswerer : public QObject {
public:
    PauseAnswerer() { qApp->installEventFilter(this); }
    ~PauseAnswerer() override { qApp->removeEventFilter(this); }

    QQueue<QByteArray> presses;          // button names, pressed in turn
    std::function<void(PauseDialog *)> onShown;
    QList<QString> dialogsSeen;          // objectName of each dialog shown
    QList<QPoint> placesSeen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<PauseDialog *>(watched);
        if (dialog && event->type() == QEvent::Show) {
            dialogsSeen << dialog->objectName();
            placesSeen << dialog->pos();
            const QByteArray press = presses.isEmpty() ? QByteArray("cmdStopit") : presses.dequeue();
            QTimer::singleShot(0, dialog, [this, dialog, press] {
                if (onShown)
                    onShown(dialog);
                QTest::mouseClick(named<QPushButton>(*dialog, press.constData()), Qt::LeftButton);
            });
        }
        return false;
    }
};
