#include "app/AppController.h"
#include "engine/Version.h"
#include "platform/QtDialogs.h"
#include "platform/speech/HelperSpeaker.h"
#include "platform/SteadyClock.h"
#include "platform/Translations.h"
#include "widgets/DoubleTapGuard.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

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

void explainNoDisplay(const char *why)
{
    std::fprintf(stderr,
                 "Tallyvane needs a graphical display, and none was found (%s).\n"
                 "To run it without a screen, start a virtual one:\n"
                 "    xvfb-run -a -s '-screen 0 1920x1080x24' build/app/tallyvane\n",
                 why);
}

// Qt aborts when its platform cannot start: a display that does not answer,
// or a QT_QPA_PLATFORM it does not have. Told as when there is no display.
void noPlatformIsNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        return;
    }
    explainNoDisplay("the display or platform given could not be opened");
    std::_Exit(EXIT_FAILURE);
}

// Answers --help and --version, then exits, before QApplication would need a display.
void answerHelpOrVersion(int &argc, char *argv[])
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -reverse must not read as -r -e -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Classroom counter for number sequences on a large display."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (!parser.isSet(help) && !parser.isSet(version) && !parser.isSet(QStringLiteral("help-all")))
        return;
    QCoreApplication app(argc, argv);
    parser.process(app);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(programVersion));
    answerHelpOrVersion(argc, argv);
    if (!displayAvailable()) {
        explainNoDisplay("DISPLAY is not set");
        return EXIT_FAILURE;
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qInstallMessageHandler(noPlatformIsNoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    const Translations translations(QLocale::system().uiLanguages());
    QApplication::setDesktopFileName(QStringLiteral("org.tallyvane.Tallyvane"));
    DoubleTapGuard doubleTaps;
    app.installEventFilter(&doubleTaps);

    QtDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    HelperSpeaker speaker(HelperSpeaker::installedHelper(), translations.language(), clock);
    AppController lesson(dialogs, clock, pump);
    dialogs.setBoardPlacement([&lesson](QWidget &dialog) { lesson.mainWindow().standAtFoot(dialog); });
    lesson.setSpeaker(&speaker);
    // After the window's first paint, long before a graph can be asked for.
    QTimer::singleShot(500, &app, [&lesson] { lesson.graphs().prepare(); });
    lesson.start();
    return app.exec();
}
