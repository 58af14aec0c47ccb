#include "output/board/CountBoards.h"

#include "engine/NumberText.h"
#include "output/board/CountBoardPanel.h"
#include "output/board/CountBoardWindow.h"

#include <QAction>

#include <limits>

CountBoards::CountBoards(const CountingSession &session, const CountModel &model, WindowMemory &memory,
                         Dialogs &dialogs, PagePrinter &printer)
    : m_session(session), m_model(model), m_memory(memory), m_dialogs(dialogs), m_printer(printer)
{
}

CountBoards::~CountBoards()
{
    delete m_window;
    delete m_panel;
}

void CountBoards::attach(QWidget &mainWindow, QAction &toggle)
{
    m_main = &mainWindow;
    m_toggle = &toggle;
    m_window = new CountBoardWindow(m_memory, mainWindow);
    m_panel = new CountBoardPanel(m_memory, m_dialogs, m_printer);
    m_window->takePanel(m_panel);
    toggle.setCheckable(true);
    connect(&toggle, &QAction::triggered, this, [this](bool on) { setShown(on); });
    connect(m_window, &CountBoardWindow::closed, this, [this] { setShown(false); });
    connect(&m_model, &CountModel::countsAppended, this, &CountBoards::countShown);
    // A hidden counter's board hides its newest number.
    connect(&m_model, &CountModel::counterHiddenChanged, this, [this](int counter, bool hidden) {
        m_panel->board(counter - 1)->setNewestHidden(hidden);
    });
}

void CountBoards::setShown(bool shown)
{
    m_shown = shown;
    if (m_toggle)
        m_toggle->setChecked(shown);
    place();
}

// In full screen the panel stands in the main window, else in its own.
void CountBoards::place()
{
    if (!m_main || !m_panel)
        return;
    const bool fullScreen = m_shown && m_main->isFullScreen();
    if (!fullScreen) {
        emit fullScreenBoardChanged(nullptr);
        m_window->takePanel(m_panel);
    }
    if (m_shown && !fullScreen) {
        m_window->showBeside();
        return;
    }
    m_window->hide();
    if (fullScreen) {
        m_panel->setParent(m_main);
        emit fullScreenBoardChanged(m_panel);
        m_panel->show();
    }
}

void CountBoards::countShown(int k)
{
    const bool twoCounters = m_model.twoCounters();
    if (k == 0) {
        m_panel->setTwoBoards(twoCounters);
        revealThrough(-1);
    }
    for (int index = 0; index < (twoCounters ? 2 : 1); ++index) {
        CountBoard *board = m_panel->board(index);
        if (k == 0 || board->count() > k + 1)
            board->clear();
        // Counts the board missed come from the history; the newest as shown.
        const CountHistory &history = index == 0 ? *m_session.history1 : *m_session.history2;
        while (board->count() < k)
            board->append(history.shown(std::size_t(board->count())).text(decimalSeparator()));
        if (board->count() == k)
            board->append(m_model.shown(index + 1));
    }
}

void CountBoards::runningChanged(bool running)
{
    revealThrough(running ? -1 : std::numeric_limits<int>::max());
}

void CountBoards::pauseShown()
{
    revealThrough(m_session.countIndex);
}

// At a pause or the end of the run the class reads the board: every count on
// it, and as many earlier rows as it shows.
void CountBoards::revealThrough(int k)
{
    if (!m_panel)
        return;
    for (int index : {0, 1}) {
        m_panel->board(index)->setRevealedThrough(k);
        if (k >= 0)
            m_panel->board(index)->settle();
    }
}

bool CountBoards::pointerWhileBlocked(QWidget *window, QPoint pos, BlockedPresses::Pointer what)
{
    if (!m_panel || !m_panel->isVisible() || m_panel->window() != window)
        return false;
    const QPoint onPanel = m_panel->mapFrom(window, pos);
    const bool held = what == BlockedPresses::Pointer::Drag || what == BlockedPresses::Pointer::Release;
    if (!held && !m_panel->rect().contains(onPanel))
        return false;
    m_panel->pointerWhileBlocked(what, onPanel);
    return true;
}

void CountBoards::setHushed(const CountBoard::Hushed &hushed)
{
    if (!m_panel)
        return;
    m_panel->board(0)->setHushed(hushed);
    m_panel->board(1)->setHushed(hushed);
}

// A hidden counter is drawn in its text colour all over: its board keeps
// the text colour, and hides its newest number (counterHiddenChanged).
void CountBoards::setColours(int counter, const QColor &text, const QColor &background)
{
    if (m_panel)
        m_panel->board(counter - 1)->setColours(text, background);
}
