#include "LessonView.h"

#include "ClassAnswers.h"
#include "Clock.h"
#include "ScreenPlacement.h"
#include "Twips.h"


LessonView::LessonView(frmMain &mainWindow, CountingSession &session, Clock &clock, EventPump &pump)
    : m_main(mainWindow), m_session(session), m_clock(clock), m_pump(pump)
{
}

LessonView::~LessonView()
{
    delete m_paused;
    delete m_paused2;
}

void LessonView::showCounters(const QString &counter1, const QString *counter2)
{
    m_main.showCounters(counter1, counter2);
    if (m_classAnswers)
        m_classAnswers->countersShown(counter1, counter2);
}

void LessonView::setRunning(bool running)
{
    m_main.setPauseTaken(false);
    m_main.setRunning(running);
    if (m_classAnswers)
        m_classAnswers->runningChanged(running);
}

void LessonView::waitForEvents(double deadline)
{
    m_pump.waitForEvents(deadline - m_clock.now());
}

void LessonView::holdInputUntil(double deadline, HeldWait kind)
{
    m_pump.holdInputFor(deadline - m_clock.now(), [this, kind](const QEvent &event) {
        return m_main.actsDuringHeldWait(event, kind == HeldWait::Long);
    });
}

void LessonView::showPauseTaken()
{
    m_main.setPauseTaken(true);
}

void LessonView::handlePendingEvents()
{
    m_pump.handlePendingEvents();
}

QPointF LessonView::mainWindowTopLeft()
{
    return QPointF(pixelsToTwips(m_main.x()), pixelsToTwips(m_main.y()));
}

PauseDialog *LessonView::pauseDialog(int counterCount)
{
    if (counterCount == 1) {
        if (!m_paused)
            m_paused = wired(new frmPaused(m_session, &m_main));
        return m_paused;
    }
    if (!m_paused2) {
        m_paused2 = wired(new frmPaused2(m_session, &m_main));
        QObject::connect(m_paused2, &frmPaused2::maskBoth, &m_main, &frmMain::cmdMaskBoth_Click);
    }
    return m_paused2;
}

// The dialog's hide/show buttons act on the main window's counters exactly
// as the main window's own buttons do.
template <typename Dialog>
Dialog *LessonView::wired(Dialog *dialog)
{
    QObject::connect(dialog, &PauseDialog::maskCounter1, &m_main, &frmMain::cmdMaskCounter1_Click);
    QObject::connect(dialog, &PauseDialog::maskCounter2, &m_main, &frmMain::cmdMaskCounter2_Click);
    QObject::connect(dialog, &PauseDialog::choiceMade, &m_main, [this] { m_main.repaint(); });
    return dialog;
}

void LessonView::showPauseDialog(int counterCount, QPointF topLeft)
{
    m_main.setPauseTaken(false);
    PauseDialog *dialog = pauseDialog(counterCount);
    moveOnScreen(*dialog, twipsPoint(topLeft.x(), topLeft.y()));
    if (m_classAnswers)
        m_classAnswers->pauseShown();
    dialog->exec();
    if (m_classAnswers)
        m_classAnswers->pauseLeft(m_session.pauseChoice);
    if (m_session.pauseChoice == PauseChoice::Stop)
        delete dialog;
}

void LessonView::showList()
{
    if (m_showList)
        m_showList();
}

bool LessonView::showClassAnswers()
{
    return m_classAnswers && m_classAnswers->showAnswersWindow(&m_main);
}

void LessonView::showGraph()
{
    if (m_showGraph)
        m_showGraph();
}
