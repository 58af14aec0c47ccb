#pragma once

// The settings dialog's on-screen keypad (Picture1), for a touch display
// without a keyboard. It edits the current box, the entry box that last
// received the focus, by rewriting its text (KeypadEntry). The digit, point,
// +/- and DEL keys keep the focus they take when touched, and the box stays
// current all the same; TAB and Move Keypad give the focus back to a box.
// Every box that receives the focus has its whole text selected and begins
// a new entry.

#include <QFrame>
#include <QList>
#include <QPushButton>

#include <array>

class QCheckBox;
class QLineEdit;

class Keypad : public QFrame {
    Q_OBJECT
public:
    static constexpr double width = 2580;  // twips
    static constexpr int speedBox = 4;

    explicit Keypad(QWidget *parent);

    // The entry boxes numbered 1 to 7 in this order; TAB visits counter 2's
    // boxes (5 to 7) only while counter2On is ticked.
    void attach(const QList<QLineEdit *> &boxes, const QCheckBox *counter2On);

    // 1 to 7; 0 before any box has had the focus.
    int currentBox() const { return m_currentBox; }
    bool startNewEntry() const { return m_startNewEntry; }

    // Focuses the box as a touch would. A disabled box cannot take the focus
    // and is left as it is.
    void focusBox(int number);

    // Keys in tab order.
    QList<QPushButton *> keys() const;

    std::array<QPushButton *, 10> digitKeys;  // cmd0 … cmd9
    QPushButton *pointKey;
    QPushButton *signKey;
    QPushButton *deleteKey;
    QPushButton *tabKey;  // TAB
    QPushButton *moveKeypadKey; // Move Keypad

signals:
    void moveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void boxFocused(int number);
    void typeDigit(QChar digit);
    void typePoint();
    void changeSign();
    void deleteLast();
    void tabToNextBox();

    QLineEdit *box(int number) const;
    template <typename Edit>
    void edit(Edit keyAction);

    QList<QLineEdit *> m_boxes;
    const QCheckBox *m_counter2On = nullptr;
    int m_currentBox = 0;
    bool m_startNewEntry = false;
    QLineEdit *m_selectOnRelease = nullptr;
};
