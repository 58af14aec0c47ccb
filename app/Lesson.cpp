#include "Lesson.h"

#include "Dialogs.h"
#include "NumberList.h"
#include "frmSettings.h"

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
    frame.moveLeft(std::clamp(frame.left(), screen.left(), screen.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - frame.height()));
    window.move(frame.topLeft());
}

} // namespace

Lesson::Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump)
    : m_dialogs(dialogs), m_clock(clock), m_pump(pump), m_main(m_session, dialogs),
      m_view(m_main, m_session, clock, pump), m_runLoop(m_session, m_view, clock, dialogs),
      m_lists{m_session, dialogs, m_printer, &m_main},
      m_graphs(m_session, dialogs, m_pagePrinter, m_main)
{
    m_main.setRunLoop(&m_runLoop);
    m_dialogs.setParentWindow(&m_main);
    m_view.setListAction([this] {
        if (m_session.counterCount == 1)
            showListOneCounter(m_lists);
        else
            showListTwoCounters(m_lists);
    });
    m_view.setGraphAction([this] { m_graphs.showLineGraph(); });

    QObject::connect(&m_main, &frmMain::settingsRequested, &m_main, [this] {
        if (const auto applied = showSettingsDialog(m_session, &m_main, m_dialogs)) {
            m_main.setCounterCaptions(applied->counter1Caption, applied->counter2Caption);
            m_main.setTwoCounterMode(applied->twoCounters);
        }
        m_main.repaint();
        m_main.focusStart();
    });

    QObject::connect(&m_main, &frmMain::helpRequested, &m_main, [this] { showHelp(); });
}

Lesson::~Lesson()
{
    delete m_help;
}

void Lesson::start()
{
    m_main.Form_Load(m_clock, m_pump);
}

void Lesson::showHelp()
{
    if (!m_help) {
        m_help = new HelpViewer;
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        m_help->setWindowIcon(m_main.windowIcon());
        m_help->openFile(HelpViewer::helpFileName);
        placeOverMainWindow(*m_help, m_main);
    }
    m_help->showNormal();
    m_help->raise();
    m_help->activateWindow();
}
