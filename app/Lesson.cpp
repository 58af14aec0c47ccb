#include "Lesson.h"

#include "Dialogs.h"

Lesson::Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump)
    : m_dialogs(dialogs), m_clock(clock), m_main(m_session, dialogs),
      m_view(m_main, m_session, clock, pump), m_runLoop(m_session, m_view, clock, dialogs)
{
    m_main.setRunLoop(&m_runLoop);
    m_dialogs.setParentWindow(&m_main);
    QObject::connect(&m_main, &frmMain::helpRequested, &m_main, [this] { showHelp(); });
}

Lesson::~Lesson()
{
    delete m_help;
}

void Lesson::start()
{
    m_main.Form_Load(m_clock);
}

void Lesson::showHelp()
{
    if (!m_help) {
        m_help = new HelpViewer;
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        m_help->setWindowIcon(m_main.windowIcon());
        m_help->openFile(HelpViewer::helpFileName);
        m_help->move(m_main.geometry().center() - m_help->rect().center());
    }
    m_help->showNormal();
    m_help->raise();
    m_help->activateWindow();
}
