#pragma once

#include <QFont>

// The settings dialog's bold sans-serif at a given point size.
inline QFont settingsFont(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}
