#include "ProgrammedSetWait.h"

void ProgrammedSetWait::programmed(const ParameterSet &set)
{
    interrupted();
    m_storing = set;
}

void ProgrammedSetWait::countdownReported(quint16 countdown)
{
    if (countdown == 0)
        settle(HistoryEvent::Programmed);
}

void ProgrammedSetWait::settle(HistoryEvent event)
{
    if (!m_storing)
        return;
    const ParameterSet set = *m_storing;
    m_storing.reset();
    m_record(event, set);
}
