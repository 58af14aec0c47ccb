#include "widgets/LetterKeypad.h"

#include "widgets/KeypadKey.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QInputDevice>
#include <QLineEdit>

#include <algorithm>

namespace {

const char *const rows[] = {"1234567890", "qwertyuiop", "asdfghjkl'", "zxcvbnm-"};

// Not the stand-ins for a keyboard that the window system and Qt keep with
// none attached ("Virtual core keyboard", "core keyboard", XTEST's).
bool isRealKeyboard(const QInputDevice *device)
{
    const QString name = device->name();
    return device->type() == QInputDevice::DeviceType::Keyboard && !name.contains(QLatin1String("core keyboard"))
        && !name.contains(QLatin1String("XTEST"));
}

} // namespace

LetterKeypad::LetterKeypad(QLineEdit &box, QWidget *parent) : QFrame(parent), m_box(box)
{
    setObjectName(QStringLiteral("letterKeypad"));
    auto *grid = new QGridLayout(this);
    grid->setSpacing(keySide / 8);
    for (int row = 0; row < 4; ++row) {
        const QString keys = QString::fromLatin1(rows[row]);
        for (int column = 0; column < keys.size(); ++column) {
            const QString letter = keys.mid(column, 1);
            QPushButton *key = addKey(QStringLiteral("key_") + letter, letter, row, column + (row == 3));
            connect(key, &QPushButton::clicked, this, [this, letter] { type(letter); });
        }
    }
    m_shift = addKey(QStringLiteral("shiftKey"), QStringLiteral("\u21E7"), 3, 0, 1, KeyColour::sign);
    m_shift->setCheckable(true);
    m_shift->setAccessibleName(QCoreApplication::translate("Keypad", "Capital"));
    QPushButton *del = addKey(QStringLiteral("deleteKey"), QCoreApplication::translate("Keypad", "DEL"), 3, 9, 1,
                              KeyColour::remove);
    del->setToolTip(QCoreApplication::translate("Keypad", "Delete"));
    connect(del, &QPushButton::clicked, &m_box, &QLineEdit::backspace);
    QPushButton *space = addKey(QStringLiteral("spaceKey"), QString(), 4, 2, 6);
    space->setAccessibleName(QCoreApplication::translate("Keypad", "Space"));
    connect(space, &QPushButton::clicked, this, [this] { type(QStringLiteral(" ")); });
    setStyleSheet(QStringLiteral("QPushButton { min-width: %1px; min-height: %1px; max-height: %1px; }").arg(keySide));
}

bool LetterKeypad::wanted(const QWidget *over)
{
    for (const QWidget *window = over ? over->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window->isFullScreen())
            return true;
    }
    const QList<const QInputDevice *> devices = QInputDevice::devices();
    return std::none_of(devices.begin(), devices.end(), isRealKeyboard);
}

QPushButton *LetterKeypad::addKey(const QString &name, const QString &caption, int row, int column, int columnSpan,
                                  const QColor &colour)
{
    QPushButton *key = makeKeypadKey(this, qPrintable(name), caption, colour);
    key->setFocusPolicy(Qt::NoFocus);
    static_cast<QGridLayout *>(layout())->addWidget(key, row, column, 1, columnSpan);
    return key;
}

void LetterKeypad::type(const QString &letter)
{
    m_box.insert(m_shift->isChecked() ? letter.toUpper() : letter);
    m_shift->setChecked(false);
}
