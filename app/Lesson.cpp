#include "Lesson.h"

#include "Dialogs.h"
#include "NumberList.h"
#include "frmSettings.h"

Lesson::Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump)
    : m_dialogs(dialogs), m_clock(clock), m_main(m_session, dialogs),
      m_view(m_main, m_session, clock, pump), m_runLoop(m_session, m_view, clock, dialogs),
      m_lists{m_session, dialogs, m_printer, &m_main}
{
    m_main.setRunLoop(&m_runLoop);
    m_dialogs.setParentWindow(&m_main);
    m_view.setListAction([this] {
        if (m_session.counterCount == 1)
            showListOneCounter(m_lists);
        else
            showListTwoCounters(m_lists);
    });

    QObject::connect(&m_main, &frmMain::settingsRequested, &m_main, [this] {
        if (const auto applied = showSettingsDialog(m_session, &m_main, m_dialogs)) {
            m_main.setCounterCaptions(applied->counter1Caption, applied->counter2Caption);
            m_main.setTwoCounterMode(applied->twoCounters);
        }
        m_main.repaint();
        m_main.focusStart();
    });
}

void Lesson::start()
{
    m_main.Form_Load(m_clock);
}
