#pragma once

// Finds a window's widget by its objectName, as the accessibility tree and a
// teacher's screen reader do; a test stops at once when it is missing.

#include <QObject>
#include <QtGlobal>

template <typename T = QWidget>
T *named(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("No %s named %s in %s", T::staticMetaObject.className(), name, qPrintable(parent.objectName()));
    return found;
}
