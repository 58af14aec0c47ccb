#include "DoubleTapGuard.h"
#include "Lesson.h"
#include "QtDialogs.h"
#include "SteadyClock.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("Tallyvane needs a graphical display, and none was found (DISPLAY is not set).\n"
                   "To run it without a screen, start a virtual one:\n"
                   "    xvfb-run -a -s '-screen 0 1920x1080x24' build/app/tallyvane\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.tallyvane.Tallyvane"));
    DoubleTapGuard doubleTaps;
    app.installEventFilter(&doubleTaps);

    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    Lesson lesson(dialogs, clock, pump);
    lesson.start();
    return app.exec();
}
