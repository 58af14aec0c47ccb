#include "app/AppController.h"

#include "answers/JoinScreen.h"
#include "output/lists/NumberList.h"
#include "platform/Dialogs.h"
#include "platform/speech/HelperSpeaker.h"
#include "platform/ScreenPlacement.h"
#include "windows/settings/SettingsDialog.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include <algorithm>

namespace {

// Centred over the main window, but wholly on its screen.
void placeOverMainWindow(QWidget &window, const QWidget &main)
{
    const QRect screen = main.screen()->availableGeometry();
    window.resize(window.size().boundedTo(screen.size()));
    QRect frame(QPoint(), window.size());
    frame.moveCenter(main.geometry().center());
    window.move(clampedToArea(frame.topLeft(), frame.size(), screen));
}

} // namespace

AppController::AppController(Dialogs &dialogs, Clock &clock, EventPump &pump, std::function<void()> endProgram)
    : m_dialogs(dialogs), m_clock(clock), m_pump(pump), m_main(m_session, m_memory, dialogs),
      m_prompter(dialogs, &m_main), m_view(m_main, m_session, m_countModel, m_memory, clock, pump),
      m_runLoop(m_session, m_view, clock, m_prompter), m_lists{m_session, m_memory, dialogs, m_printer, &m_main},
      m_graphs(m_session, m_memory, dialogs, m_pagePrinter, m_main), m_classAnswers(m_session, m_countModel),
      m_countBoards(m_session, m_countModel, m_memory, dialogs, m_pagePrinter),
      m_endProgram(std::move(endProgram))
{
    m_classAnswers.attach(m_main.classAnswersToggle(), m_prompter);
    m_joinCard = new JoinCard(m_classAnswers, &m_main);
    m_main.setCornerCard(m_joinCard);
    auto *joinScreen = new JoinScreen(m_classAnswers, &m_main);
    m_main.setBoardCover(joinScreen);
    QObject::connect(m_joinCard, &JoinCard::tapped, joinScreen, &QWidget::show);
    m_view.setClassAnswers(&m_classAnswers);
    m_countBoards.attach(m_main, m_main.countBoardToggle());
    m_view.setCountBoards(&m_countBoards);
    // The counters' colours reach the board, and whether they are hidden the count model.
    QObject::connect(&m_main, &MainWindow::counterLookChanged, &m_countBoards,
                     [this](int counter, const QColor &text, const QColor &background, bool hidden) {
                         m_countModel.setHidden(counter, hidden);
                         m_countBoards.setColours(counter, text, background);
                     });
    QObject::connect(&m_main, &MainWindow::fullScreenChanged, &m_countBoards, &CountBoards::place);
    QObject::connect(&m_countBoards, &CountBoards::fullScreenBoardChanged, &m_main, &MainWindow::setFullScreenBoard);
    m_main.tellCounterLooks();
    m_countBoards.setHushed([this](int countIndex) { return m_session.routine.hushes(countIndex); });
    // What the pause dialog kept from the other windows: it marks or scrolls
    // the board, or a press continues from the full-screen counters.
    QObject::connect(&m_blockedPresses, &BlockedPresses::reached, &m_main,
                     [this](QWidget *window, QPoint pos, BlockedPresses::Pointer what) {
                         if (!m_countBoards.pointerWhileBlocked(window, pos, what) && window == &m_main
                             && what == BlockedPresses::Pointer::Press)
                             m_main.pressWhileBlocked(pos);
                     });
    QObject::connect(&m_main, &MainWindow::startRequested, &m_main, [this] {
        followRoutine();
        m_runLoop.startRun();
    });
    QObject::connect(&m_main, &MainWindow::pauseRequested, &m_main, [this] { m_runLoop.requestPause(); });
    QObject::connect(&m_main, &MainWindow::fasterRequested, &m_main, [this] { m_runLoop.faster(); });
    QObject::connect(&m_main, &MainWindow::slowerRequested, &m_main, [this] { m_runLoop.slower(); });
    QObject::connect(&m_main, &MainWindow::quitRequested, &m_main, [this] { quit(); });
    m_view.setListAction([this] {
        if (m_session.counterCount == 1)
            showListOneCounter(m_lists);
        else
            showListTwoCounters(m_lists);
    });
    m_view.setGraphAction([this] { m_graphs.showLineGraph(); });

    QObject::connect(&m_main, &MainWindow::settingsRequested, &m_main, [this] {
        RoomSetup room{m_main.look(), m_speaker};
        if (const auto applied = showSettingsDialog(m_session, m_memory, &m_main, m_dialogs, room)) {
            followRoutine();
            m_main.setCounterCaptions(applied->counter1Caption, applied->counter2Caption);
            m_main.setTwoCounterMode(applied->twoCounters);
            if (applied->look)
                m_main.applyLook(*applied->look);
        }
        m_main.repaint();
        m_main.focusStart();
    });

    QObject::connect(&m_main, &MainWindow::helpRequested, &m_main, [this] { showHelp(); });
}

AppController::~AppController()
{
    delete m_help;
}

void AppController::start()
{
    m_main.start(m_clock, m_pump);
}

void AppController::setSpeaker(HelperSpeaker *speaker)
{
    m_speaker = speaker;
    m_countAloud.setSpeaker(speaker);
    followRoutine();
}

// The voice is made ready as soon as the routine counts aloud, so that the
// first number is said as it appears.
void AppController::followRoutine()
{
    if (m_speaker)
        m_speaker->setWanted(m_session.routine.countAloud);
}

void AppController::quit()
{
    m_runLoop.quit();
    m_classAnswers.turnOff();
    // Every other window closes, so that the modal ones return to the run
    // loop, which then ends, and nothing is left for the event loop.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == &m_main || !window->isVisible())
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->done(QDialog::Rejected);
        else
            window->close();
    }
    m_endProgram();
}

void AppController::showHelp()
{
    // A window blocked by a modal one could not be read or scrolled: help
    // asked for in a modal window belongs to it.
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = &m_main;
    if (m_help && m_help->parentWidget() != owner)
        m_help->setParent(owner, m_help->windowFlags());
    if (!m_help) {
        m_help = new HelpViewer(owner);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        m_help->setWindowIcon(m_main.windowIcon());
        m_help->openFile(HelpViewer::helpFileName);
        placeOverMainWindow(*m_help, m_main);
    }
    m_help->showNormal();
    m_help->raise();
    m_help->activateWindow();
}
