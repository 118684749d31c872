#include "UndoHistory.h"

void UndoHistory::StartUndoHistory(const ParameterSet &image)
{
    m_oldest = m_current = m_newest = 0;
    m_entries[0] = image.bytes();
}

UndoHistory::Step UndoHistory::RecordUndoStep(const ParameterSet &image, bool programAfterChange)
{
    Step step;
    step.changed = image.bytes() != m_entries[m_current];
    if (step.changed) {
        m_current = next(m_current);
        m_newest = m_current; // a new change drops what could be redone
        if (m_oldest == m_current)
            m_oldest = next(m_oldest);
        m_entries[m_current] = image.bytes();
    }
    step.startProgramming = programAfterChange && (step.changed || m_programArmed);
    m_programArmed = programAfterChange;
    return step;
}

bool UndoHistory::Undo(ParameterSet &image)
{
    if (!canUndo())
        return false;
    m_current = previous(m_current);
    image.bytes() = m_entries[m_current];
    return true;
}

bool UndoHistory::Redo(ParameterSet &image)
{
    if (!canRedo())
        return false;
    m_current = next(m_current);
    image.bytes() = m_entries[m_current];
    return true;
}
