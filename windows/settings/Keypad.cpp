#include "windows/settings/Keypad.h"

#include "platform/Twips.h"
#include "widgets/KeypadEntry.h"
#include "widgets/KeypadKey.h"
#include "windows/settings/SettingsFont.h"
#include "widgets/Icons.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QIcon>
#include <QLineEdit>

namespace {

constexpr double keySize = 615;    // twips
constexpr double wideKey = 1095;   // twips
constexpr double keyPoints = 18;
constexpr QSize switchPicture(71, 36);

QPushButton *addKey(QWidget *panel, const char *name, const QString &caption, const QColor &colour, QRect place)
{
    QPushButton *key = makeKeypadKey(panel, name, caption, colour);
    key->setFont(settingsFont(keyPoints));
    key->setGeometry(place);
    return key;
}

int nextBox(int current, bool counter2On)
{
    switch (current) {
    case 1:
    case 2:
    case 3:
        return current + 1;
    case 4:
    case 5:
    case 6:
        return counter2On ? current + 1 : 1;
    default:
        return 1;
    }
}

} // namespace

Keypad::Keypad(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // Calculator order: 7 8 9 on top, 0 at the left of the bottom row.
    constexpr double columns[] = {120, 960, 1800};
    constexpr double rows[] = {2640, 1800, 960, 120};
    for (int digit = 0; digit <= 9; ++digit) {
        const double left = digit == 0 ? columns[0] : columns[(digit - 1) % 3];
        const double top = digit == 0 ? rows[0] : rows[1 + (digit - 1) / 3];
        const QChar character = QChar('0' + digit);
        QPushButton *key = addKey(this, qPrintable(QStringLiteral("cmd%1").arg(digit)), QString(character), KeyColour::digit,
                                  twipsRect(left, top, keySize, keySize));
        connect(key, &QPushButton::clicked, this, [this, character] { typeDigit(character); });
        digitKeys[digit] = key;
    }
    pointKey = addKey(this, "cmdPoint", QStringLiteral("\u00B7"), KeyColour::digit, twipsRect(960, 2640, keySize, keySize));
    pointKey->setAccessibleName(tr("Point"));
    signKey = addKey(this, "cmdNegative", QStringLiteral("+/-"), KeyColour::sign, twipsRect(1800, 2640, keySize, keySize));
    //: The Delete key: four letters fit on it.
    deleteKey = addKey(this, "Command1", tr("DEL"), KeyColour::remove, twipsRect(120, 3600, wideKey, keySize));
    deleteKey->setToolTip(tr("Delete"));
    //: The Tab key: four letters fit on it.
    tabKey = addKey(this, "Command2", tr("TAB"), KeyColour::tab, twipsRect(1320, 3600, wideKey, keySize));
    tabKey->setToolTip(tr("TAB to next box"));

    moveKeypadKey = new QPushButton(this);
    moveKeypadKey->setObjectName(QStringLiteral("cmdSwitch"));
    moveKeypadKey->setToolTip(tr("Move Keypad"));
    moveKeypadKey->setAccessibleName(moveKeypadKey->toolTip());
    moveKeypadKey->setIcon(sharedIcon(QStringLiteral(":/icons/move_keypad.svg")));
    moveKeypadKey->setIconSize(switchPicture);
    moveKeypadKey->setAutoDefault(false);
    moveKeypadKey->setGeometry(twipsRect(600, 4440, 1335, keySize));

    connect(pointKey, &QPushButton::clicked, this, &Keypad::typePoint);
    connect(signKey, &QPushButton::clicked, this, &Keypad::changeSign);
    connect(deleteKey, &QPushButton::clicked, this, &Keypad::deleteLast);
    connect(tabKey, &QPushButton::clicked, this, &Keypad::tabToNextBox);
    connect(moveKeypadKey, &QPushButton::clicked, this, &Keypad::moveRequested);
}

QList<QPushButton *> Keypad::keys() const
{
    return {digitKeys[7], digitKeys[8], digitKeys[9], digitKeys[4], digitKeys[5], digitKeys[6], digitKeys[1],
            digitKeys[2], digitKeys[3], digitKeys[0], pointKey, signKey, deleteKey, tabKey, moveKeypadKey};
}

void Keypad::attach(const QList<QLineEdit *> &boxes, const QCheckBox *counter2On)
{
    m_boxes = boxes;
    m_counter2On = counter2On;
    for (QLineEdit *b : boxes)
        b->installEventFilter(this);
}

QLineEdit *Keypad::box(int number) const
{
    return number >= 1 && number <= m_boxes.size() ? m_boxes[number - 1] : nullptr;
}

bool Keypad::eventFilter(QObject *watched, QEvent *event)
{
    auto *b = qobject_cast<QLineEdit *>(watched);
    const int number = int(m_boxes.indexOf(b)) + 1;
    if (number == 0)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // The window coming back to the front is no new focus for the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            boxFocused(number);
            // The press that gave the focus goes on to place the caret, which
            // drops the selection: select again once the touch is over.
            m_selectOnRelease = reason == Qt::MouseFocusReason ? b : nullptr;
        }
    } else if (event->type() == QEvent::MouseButtonRelease && b == m_selectOnRelease) {
        m_selectOnRelease = nullptr;
        QMetaObject::invokeMethod(b, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return false;
}

void Keypad::focusBox(int number)
{
    QLineEdit *b = box(number);
    if (!b || !b->isEnabled())
        return;
    b->setFocus(Qt::OtherFocusReason);
    // A box that has the focus already gets no focus event.
    boxFocused(number);
}

void Keypad::boxFocused(int number)
{
    box(number)->selectAll();
    m_currentBox = number;
    m_startNewEntry = true;
}

template <typename Edit>
void Keypad::edit(Edit keyAction)
{
    QLineEdit *b = box(m_currentBox);
    if (!b)
        return;
    KeypadEntry entry{b->text(), m_startNewEntry};
    keyAction(entry);
    m_startNewEntry = entry.startNewEntry;
    b->setText(entry.text);
}

void Keypad::typeDigit(QChar digit)
{
    edit([digit](KeypadEntry &entry) { entry.digit(digit); });
}

void Keypad::typePoint()
{
    edit([](KeypadEntry &entry) { entry.point(); });
}

// The speed cannot be negative, so the keypad offers no minus sign for it.
void Keypad::changeSign()
{
    if (m_currentBox != speedBox)
        edit([](KeypadEntry &entry) { entry.negative(); });
}

void Keypad::deleteLast()
{
    edit([](KeypadEntry &entry) { entry.del(); });
}

void Keypad::tabToNextBox()
{
    if (m_currentBox != 0)
        focusBox(nextBox(m_currentBox, m_counter2On && m_counter2On->isChecked()));
}
