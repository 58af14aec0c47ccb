#include "widgets/AnswerKeypad.h"

#include "widgets/KeypadEntry.h"
#include "widgets/KeypadKey.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

#include <algorithm>

AnswerKeypad::AnswerKeypad(QLineEdit &box, QWidget *parent) : QFrame(parent), m_box(box)
{
    setObjectName(QStringLiteral("answerKeypad"));
    new QGridLayout(this);
    // Calculator order: 7 8 9 on top, then 0, point and sign, DEL below.
    for (int digit = 0; digit <= 9; ++digit) {
        const int row = digit == 0 ? 3 : 3 - (digit + 2) / 3;
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        const QChar character('0' + digit);
        addKey(qPrintable(QStringLiteral("cmd%1").arg(digit)), QString(character), KeyColour::digit, row, column);
        connect(m_keys.back(), &QPushButton::clicked, this,
                [this, character] { edit([character](KeypadEntry &entry) { entry.digit(character); }); });
    }
    addKey("cmdPoint", QStringLiteral("\u00B7"), KeyColour::digit, 3, 1);
    m_keys.back()->setAccessibleName(QCoreApplication::translate("Keypad", "Point"));
    connect(m_keys.back(), &QPushButton::clicked, this, [this] { edit([](KeypadEntry &entry) { entry.point(); }); });
    addKey("cmdNegative", QStringLiteral("+/-"), KeyColour::sign, 3, 2);
    connect(m_keys.back(), &QPushButton::clicked, this, [this] { edit([](KeypadEntry &entry) { entry.negative(); }); });
    addKey("Command1", QCoreApplication::translate("Keypad", "DEL"), KeyColour::remove, 4, 0, 3);
    m_keys.back()->setToolTip(QCoreApplication::translate("Keypad", "Delete"));
    connect(m_keys.back(), &QPushButton::clicked, this, [this] { edit([](KeypadEntry &entry) { entry.del(); }); });
    // Typing on a keyboard continues the entry the keys go on with.
    connect(&m_box, &QLineEdit::textEdited, this, [this] { m_startNewEntry = m_box.text().isEmpty(); });
    setKeySide(smallestKey);
}

void AnswerKeypad::addKey(const char *name, const QString &caption, const QColor &colour, int row, int column,
                          int columnSpan)
{
    QPushButton *key = makeKeypadKey(this, name, caption, colour);
    key->setFocusPolicy(Qt::NoFocus);
    static_cast<QGridLayout *>(layout())->addWidget(key, row, column, 1, columnSpan);
    m_keys << key;
}

void AnswerKeypad::setKeySide(int pixels)
{
    const int side = std::max(pixels, smallestKey);
    const int spacing = side / 8;
    layout()->setSpacing(spacing);
    // A sheet of the keypad's own: a touch dialog's sheet sizes its push
    // buttons for words, and the nearer sheet wins.
    setStyleSheet(QStringLiteral("QPushButton { min-width: %1px; max-width: %1px; min-height: %1px; max-height: %1px; }"
                                 " QPushButton#Command1 { min-width: %2px; max-width: %2px; }")
                      .arg(side)
                      .arg(3 * side + 2 * spacing));
}

template <typename Edit>
void AnswerKeypad::edit(Edit keyAction)
{
    KeypadEntry entry{m_box.text(), m_startNewEntry};
    keyAction(entry);
    m_startNewEntry = entry.startNewEntry;
    m_box.setText(entry.text);
}
