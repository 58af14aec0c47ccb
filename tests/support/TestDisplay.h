#pragma once

// A test that needs a real X display runs on the one scripts/test starts,
// named in TALLYVANE_TEST_DISPLAY; without it, offscreen, and its rows skip.

#include <QByteArray>
#include <QtGlobal>

inline void useTestDisplay()
{
    const QByteArray display = qgetenv("TALLYVANE_TEST_DISPLAY");
    if (!display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", display);
    }
}
