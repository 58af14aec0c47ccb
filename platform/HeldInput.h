#pragma once

// Holds keyboard, mouse and touch input back while a wait lasts, except what
// the wait lets through at once (Pause, say), and hands the held input on in
// its order once the wait is over. Shortcuts of held keys are held with
// their keys. Input for a modal window opened during the wait (a question
// that Exit asks) is never held.

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QEvent;

// Whether an input event, as its window receives it, acts at once.
using LetThrough = std::function<bool(const QEvent &event)>;

class HeldInput : public QObject {
public:
    // Holds input from now on, letting through what letThrough accepts.
    void hold(LetThrough letThrough);
    // Stops holding, and posts the held input again, in order.
    void release();

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    LetThrough m_letThrough;
    std::vector<Held> m_held;
    bool m_holding = false;
};
