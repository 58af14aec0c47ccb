#pragma once

// An invisible place to tap for a control too small for a finger: it stands
// over the control and its caption, and a tap on it presses the control.

#include <QAbstractButton>
#include <QPointer>

class TouchArea : public QAbstractButton {
    Q_OBJECT
public:
    TouchArea(QAbstractButton *control, QWidget *parent);

    // Covers the rectangle of the parent, grown to a finger's height about
    // its centre when shorter.
    void cover(const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};
