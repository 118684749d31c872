#pragma once

#include "HistoryFolder.h"
#include "LinkOutcome.h"

#include <functional>
#include <optional>

// A Read reads page 1 back again to check it, and a Program verifies what it
// wrote, so an Ok of either is a set the unit holds: the history keeps it.
std::optional<HistoryEvent> historyEventOf(const SequenceEnd &end);

// Keeps every set read from a unit and every set programmed and verified in
// the history folder. A write that fails is said once (in the status line);
// the next failures are not repeated until a write succeeds again. Nothing
// else changes on a failure.
class SetHistory
{
public:
    using Say = std::function<void(const QString &text)>;

    SetHistory(HistoryFolder folder, Say say);

    const HistoryFolder &folder() const { return m_folder; }

    void record(const ParameterSet &set, const QString &unit, HistoryEvent event, quint8 language);

private:
    HistoryFolder m_folder;
    Say m_say;
    bool m_failureSaid = false;
};
