#include "Lesson.h"

#include "Dialogs.h"

Lesson::Lesson(Dialogs &dialogs, Clock &clock, EventPump &pump)
    : m_dialogs(dialogs), m_clock(clock), m_main(m_session, dialogs),
      m_view(m_main, m_session, clock, pump), m_runLoop(m_session, m_view, clock, dialogs),
      m_graphs(m_session, dialogs, m_pagePrinter, m_main)
{
    m_main.setRunLoop(&m_runLoop);
    m_dialogs.setParentWindow(&m_main);
    m_view.setGraphAction([this] { m_graphs.showLineGraph(); });
}

void Lesson::start()
{
    m_main.Form_Load(m_clock);
}
