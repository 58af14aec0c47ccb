#pragma once

// The square picture buttons of the toolbars and strips: an SVG icon of about
// 30 pixels, no caption, the tooltip, translated in the "IconButton" context,
// also given as accessible name.

#include <QPushButton>

inline constexpr int iconButtonIconPixels = 30;

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry);

// A button of a window's strip: a 600-twip square at the given left (twips).
// Enter never presses it by accident: only a tap does.
inline constexpr double stripButtonSize = 600;  // twips
QPushButton *addStripButton(QWidget *strip, const QString &name, const QString &tooltip, const QString &icon,
                            double left);
