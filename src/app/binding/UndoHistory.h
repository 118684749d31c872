#pragma once

#include "ParameterSet.h"

#include <array>

// Snapshots of the whole parameter image in a ring of 200. A step is recorded
// when the image differs from the snapshot the history stands on. It also keeps
// the "programming after change" arming: once the box was ticked at a commit,
// every later commit programs the unit, changed or not.
class UndoHistory
{
public:
    static constexpr int kEntries = 200;

    struct Step
    {
        bool changed = false;
        bool startProgramming = false;
    };

    // Empties the history down to the one image given.
    void StartUndoHistory(const ParameterSet &image);

    // The commit point. programAfterChange is the state of CheckBoxProgHned.
    Step RecordUndoStep(const ParameterSet &image, bool programAfterChange);

    // Both copy the snapshot into image and return true, or do nothing and
    // return false at the end of the history.
    bool Undo(ParameterSet &image);
    bool Redo(ParameterSet &image);

    bool canUndo() const { return m_current != m_oldest; }
    bool canRedo() const { return m_current != m_newest; }
    bool programArmed() const { return m_programArmed; }

private:
    static quint16 next(quint16 index) { return index == kEntries - 1 ? 0 : quint16(index + 1); }
    static quint16 previous(quint16 index)
    {
        return index == 0 ? quint16(kEntries - 1) : quint16(index - 1);
    }

    std::array<ParameterSet::Bytes, kEntries> m_entries{};
    quint16 m_current = 0;
    quint16 m_oldest = 0;
    quint16 m_newest = 0;
    bool m_programArmed = false;
};
