// Opens the longest two-counter list that can be shown (32767 lines, counter
// 2 growing from one digit to five so the gap changes along the way) and
// prints how long building its text and showing it take, and how long the
// text box then goes on laying out the lines out of sight.

#include "Dialogs.h"
#include "ListText.h"
#include "ListWindow.h"
#include "Printer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <optional>

namespace {

class NoDialogs : public Dialogs {
public:
    MessageAnswer showMessage(const Message &, QWidget *) override { return MessageAnswer::Ok; }
    QString askText(const Question &, QWidget *) override { return {}; }
    std::optional<QColor> pickColour(QWidget *) override { return std::nullopt; }
    std::optional<QString> askSaveFileName(const QString &, const QString &, QWidget *) override { return std::nullopt; }
    std::optional<QString> askOpenFileName(const QString &, QWidget *) override { return std::nullopt; }
    void fileSaved(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CountingSession session;
    session.countIndex = maximumCountIndex - 1;
    for (int k = 0; k <= session.countIndex; ++k) {
        (*session.history1)[k] = 0.25 * k;
        (*session.history2)[k] = 3 * k;
    }
    session.listPlacement = {true, QPointF(600, 600), QSizeF(10000, 7000)};
    session.listFontSize = 20;
    NoDialogs dialogs;
    QtPrinter printer;
    ListServices services{session, dialogs, printer, nullptr};

    QElapsedTimer timer;
    timer.start();
    const QString text = listTextTwoCounters(session);
    const double buildMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    frmList2 window(services);
    window.setListText(text);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    const double showMs = timer.nsecsElapsed() / 1e6;

    // The text box lays out what it shows first and the rest in the
    // background; this is the time that rest would take at once.
    timer.restart();
    window.listText->document()->size();
    const double restMs = timer.nsecsElapsed() / 1e6;

    std::printf("list_lines: %d lines\n", session.countIndex + 1);
    std::printf("list_build_text: %.1f ms\n", buildMs);
    std::printf("list_show: %.1f ms\n", showMs);
    std::printf("list_build_and_show: %.1f ms\n", buildMs + showMs);
    std::printf("list_background_layout: %.1f ms\n", restMs);
    return 0;
}
