#include "app/WindowView.h"

#include "answers/ClassAnswers.h"
#include "answers/ClassAnswersWindow.h"
#include "engine/Clock.h"
#include "output/board/CountBoards.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QPushButton>

namespace {
constexpr double firstPauseOffset = 400;  // twips
} // namespace

WindowView::WindowView(MainWindow &mainWindow, CountingSession &session, CountModel &model, WindowMemory &memory,
                       Clock &clock, EventPump &pump)
    : m_main(mainWindow), m_session(session), m_model(model), m_memory(memory), m_clock(clock), m_pump(pump)
{
}

WindowView::~WindowView()
{
    delete m_paused;
    delete m_paused2;
}

void WindowView::showCounters(const QString &counter1, const QString *counter2)
{
    m_main.showCounters(counter1, counter2);
    m_model.append(m_session.countIndex, counter1, counter2 ? std::optional(*counter2) : std::nullopt);
}

void WindowView::setRunning(bool running)
{
    m_main.setPauseTaken(false);
    m_main.setRunning(running);
    if (m_classAnswers)
        m_classAnswers->runningChanged(running);
    if (m_countBoards)
        m_countBoards->runningChanged(running);
}

void WindowView::waitForEvents(double deadline)
{
    m_pump.waitForEvents(deadline - m_clock.now());
}

void WindowView::holdInputUntil(double deadline, HeldWait kind)
{
    m_pump.holdInputFor(deadline - m_clock.now(), [this, kind](const QEvent &event) {
        return m_main.actsDuringHeldWait(event, kind == HeldWait::Long);
    });
}

void WindowView::showPauseTaken()
{
    m_main.setPauseTaken(true);
}

void WindowView::handlePendingEvents()
{
    m_pump.handlePendingEvents();
}


PauseDialog *WindowView::pauseDialog(int counterCount)
{
    if (counterCount == 1) {
        if (!m_paused)
            m_paused = wired(new OneCounterPauseDialog(m_session, m_memory.pauseDialogPlacement, &m_main));
        return m_paused;
    }
    if (!m_paused2) {
        m_paused2 = wired(new TwoCounterPauseDialog(m_session, m_memory.pauseDialogPlacement, &m_main));
        QObject::connect(m_paused2, &TwoCounterPauseDialog::maskBoth, &m_main, &MainWindow::toggleBothCounters);
    }
    return m_paused2;
}

// The dialog's hide/show buttons act on the main window's counters exactly
// as the main window's own buttons do.
template <typename Dialog>
Dialog *WindowView::wired(Dialog *dialog)
{
    QObject::connect(dialog, &PauseDialog::maskCounter1, &m_main, &MainWindow::toggleCounter1);
    QObject::connect(dialog, &PauseDialog::maskCounter2, &m_main, &MainWindow::toggleCounter2);
    QObject::connect(dialog, &PauseDialog::choiceMade, &m_main, [this] { m_main.repaint(); });
    // Continues only while the dialog is the window taking input, not under a
    // question it has opened.
    QObject::connect(&m_main, &MainWindow::countersTappedUnderDialog, dialog, [dialog] {
        if (QApplication::activeModalWidget() == dialog)
            dialog->action(PauseDialog::Command::Continue)->trigger();
    });
    QObject::connect(dialog, &PauseDialog::leaveFullScreenRequested, &m_main, [this, dialog] {
        m_main.setFullScreen(false);
        placePauseDialog(*dialog);
    });
    return dialog;
}

// On the full-screen board the dialog stands at its foot, clear of the
// digits. In a window the first pause of the program stands a little right
// of and below the main window's top-left; later ones where the teacher left
// the last.
void WindowView::placePauseDialog(PauseDialog &dialog)
{
    const auto scale = boardScale(&m_main);
    dialog.fitBoard(scale);
    if (scale) {
        m_main.standAtFoot(dialog);
        return;
    }
    WindowPlacement &placement = m_memory.pauseDialogPlacement;
    if (!placement.placed) {
        placement.topLeft = QPointF(pixelsToTwips(m_main.x()) + firstPauseOffset, pixelsToTwips(m_main.y()) + firstPauseOffset);
        placement.placed = true;
    }
    const QPointF topLeft = placement.topLeft.value_or(QPointF());
    moveOnScreen(dialog, twipsPoint(topLeft.x(), topLeft.y()));
}

void WindowView::showPauseDialog(int counterCount)
{
    m_main.setPauseTaken(false);
    PauseDialog *dialog = pauseDialog(counterCount);
    placePauseDialog(*dialog);
    if (m_classAnswers)
        m_classAnswers->pauseShown();
    if (m_countBoards)
        m_countBoards->pauseShown();
    dialog->exec();
    if (m_classAnswers)
        m_classAnswers->pauseLeft(m_session.pauseChoice);
    if (m_session.pauseChoice == PauseChoice::Stop)
        delete dialog;
}

void WindowView::showList()
{
    if (m_showList)
        m_showList();
}

bool WindowView::showClassAnswers()
{
    return m_classAnswers && showAnswersWindow(*m_classAnswers, &m_main);
}

void WindowView::showGraph()
{
    if (m_showGraph)
        m_showGraph();
}
