#include "widgets/KeypadKey.h"

namespace {

// A flat face in the key's own colour, darker while pressed, so the colours
// show whatever the widget style; a thicker border, not the style's tinted
// focus frame, marks the key that has the focus. A key that does nothing
// for now is grey.
QString keyStyle(const QColor &colour)
{
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid %2;"
                          " border-radius: 3px; padding: 0px; outline: none; }"
                          "QPushButton:focus { border: 2px solid %2; }"
                          "QPushButton:pressed { background-color: %3; }"
                          "QPushButton:disabled { background-color: #e4e4e4; color: #9a9a9a; border-color: #bcbcbc; }")
        .arg(colour.name(), colour.darker(250).name(), colour.darker(130).name());
}

} // namespace

QPushButton *makeKeypadKey(QWidget *parent, const char *name, const QString &caption, const QColor &colour)
{
    auto *key = new QPushButton(caption, parent);
    key->setObjectName(QString::fromLatin1(name));
    key->setAccessibleName(caption);
    key->setStyleSheet(keyStyle(colour));
    key->setAutoDefault(false);
    return key;
}
