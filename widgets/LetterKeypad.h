#pragma once

// Letters, digits and a space key beside a text box, for naming a lesson at
// a board with no keyboard: shown in full screen and where none is attached.
// The keys take no focus, so the box keeps it and a real keyboard goes on
// typing where the keys left off. Shift makes the next letter a capital.

#include "widgets/KeypadKey.h"

#include <QFrame>

class QLineEdit;
class QPushButton;

class LetterKeypad : public QFrame {
    Q_OBJECT
public:
    static constexpr int keySide = 64;  // pixels, as the number keypads'

    LetterKeypad(QLineEdit &box, QWidget *parent);

    // Whether a board shows it: full screen over, or no keyboard attached.
    static bool wanted(const QWidget *over);

private:
    QPushButton *addKey(const QString &name, const QString &caption, int row, int column, int columnSpan = 1,
                        const QColor &colour = KeyColour::digit);
    void type(const QString &letter);

    QLineEdit &m_box;
    QPushButton *m_shift = nullptr;
};
