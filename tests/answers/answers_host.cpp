// The whole program on real time with Class Answers on, on loopback only,
// worked by the browser test through its standard input: one command a line
// (start, pause, predict, show, close, stop, quit). It reports on standard
// output: "ready <address> <code>" once listening, "paused" whenever the
// pause dialog comes up, "window" when the "Class Answers" window opens and
// "answered <n>" whenever that window's count changes. With
// --school-network it listens where a classroom's program would, not on
// loopback alone, and reports the card's address.

#include "answers/ClassAnswers.h"
#include "answers/ClassAnswersWindow.h"
#include "app/AppController.h"
#include "platform/SteadyClock.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/pause/PauseDialog.h"

#include <QApplication>
#include <QLabel>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace {

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void press(const char *name)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        if (auto *button = modal->findChild<QPushButton *>(QLatin1String(name)))
            button->click();
}

class Reporter : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (qobject_cast<PauseDialog *>(watched))
                report(QStringLiteral("paused"));
            if (auto *window = qobject_cast<ClassAnswersWindow *>(watched)) {
                report(QStringLiteral("window"));
                auto *answered = named<QLabel>(*window, "lblAnswered");
                report(answered->text().replace(QLatin1String("Answered: "), QLatin1String("answered ")));
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // Lines that come together are buffered by the stream itself, where the
    // loop below finds them.
    std::ios::sync_with_stdio(false);
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    SteadyClock clock;
    QtEventPump pump;
    AppController lesson(dialogs, clock, pump);
    lesson.session().speed = 0.5f;
    lesson.mainWindow().show();
    Reporter reporter;
    app.installEventFilter(&reporter);

    ClassAnswers &answers = lesson.classAnswers();
    const bool schoolNetwork = app.arguments().contains(QStringLiteral("--school-network"));
    if (!schoolNetwork)
        answers.setListenAddress(QHostAddress::LocalHost);
    named<QPushButton>(lesson.mainWindow(), "classAnswersButton")->click();
    if (!answers.isOn())
        return 1;
    QObject::connect(&answers, &ClassAnswers::questionChanged, &app, [&answers] {
        report(QStringLiteral("answered %1").arg(answers.question().answeredCount()));
    });
    report(QStringLiteral("ready %1/ %2").arg(answers.pageAddress(), answers.joinCode()));

    QSocketNotifier input(0, QSocketNotifier::Read);
    // Pressed once the run before has ended and given Start back.
    std::function<void()> start = [&] {
        auto *button = named<QPushButton>(lesson.mainWindow(), "cmdStart");
        if (button->isEnabled())
            button->click();
        else
            QTimer::singleShot(20, &app, start);
    };
    const auto perform = [&lesson, &start](const std::string &command) {
        if (command == "start")
            start();
        else if (command == "pause")
            emit lesson.mainWindow().pauseRequested();
        else if (command == "predict")
            press("cmdPredict");
        else if (command == "show")
            press("cmdShowAnswers");
        else if (command == "close")
            press("cmdClose");
        else if (command == "stop")
            press("cmdStopit");
        else if (command == "quit")
            lesson.quit();
    };
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        // Every whole line that has come, including those already buffered.
        do {
            std::string command;
            if (!std::getline(std::cin, command))
                command = "quit";
            // Later, from the event loop: Start blocks in the run until it ends.
            QTimer::singleShot(0, &app, [perform, command] { perform(command); });
        } while (std::cin.rdbuf()->in_avail() > 0);
    });
    return app.exec();
}
