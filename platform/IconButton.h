#pragma once

// The square picture buttons of the toolbars and strips: an SVG icon of about
// 30 pixels, no caption, the tooltip also given as accessible name.

#include <QPushButton>

inline constexpr int iconButtonIconPixels = 30;

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry);
