#pragma once

// The coloured keys of the on-screen keypads: yellow digits and point, a cyan
// sign key, a red Delete and a green Tab.

#include <QColor>
#include <QPushButton>

namespace KeyColour {
inline const QColor digit(255, 255, 128);
inline const QColor sign(0, 255, 255);
inline const QColor remove(255, 128, 128);
inline const QColor tab(128, 255, 128);
} // namespace KeyColour

// A key showing caption, also its accessible name, that Enter never presses.
QPushButton *makeKeypadKey(QWidget *parent, const char *name, const QString &caption, const QColor &colour);
