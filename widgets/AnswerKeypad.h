#pragma once

// The keypad beside an answer box, for a board worked by touch: digits,
// point, +/- and DEL, as on the settings keypad, editing the one box the
// same way (KeypadEntry). The keys take no focus, so the box keeps it and a
// real keyboard goes on typing where the keys left off.

#include <QFrame>

class QLineEdit;
class QPushButton;

class AnswerKeypad : public QFrame {
    Q_OBJECT
public:
    static constexpr int smallestKey = 64;  // pixels

    AnswerKeypad(QLineEdit &box, QWidget *parent);

    // Every key at least this many pixels square.
    void setKeySide(int pixels);

private:
    void addKey(const char *name, const QString &caption, const QColor &colour, int row, int column,
                int columnSpan = 1);
    template <typename Edit>
    void edit(Edit keyAction);

    QLineEdit &m_box;
    bool m_startNewEntry = true;
    QList<QPushButton *> m_keys;
};
