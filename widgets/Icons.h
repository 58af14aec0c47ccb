#pragma once

// The program's SVG icons, each made once and shared: a window or button
// made again takes the same icon, so Qt's pixmap cache serves its drawings
// instead of filling with new ones for every window opened.

#include <QIcon>
#include <QString>

// path: a resource, ":/icons/start.svg".
QIcon sharedIcon(const QString &path);

// The program's own icon, for every window.
inline QIcon programIcon()
{
    return sharedIcon(QStringLiteral(":/tallyvane.svg"));
}
