#pragma once

#include "HistoryFolder.h"
#include "ParameterSet.h"

#include <functional>
#include <optional>

// A programmed and verified set is kept in the history only once the unit has
// reported it stored (its save countdown back at 0); when the link is lost or
// another sequence ends first, it is kept as not confirmed. The set kept is
// the one programmed, whatever is edited while the unit stores it.
class ProgrammedSetWait
{
public:
    using Record = std::function<void(HistoryEvent, const ParameterSet &)>;

    explicit ProgrammedSetWait(Record record) : m_record(std::move(record)) {}

    // A Program ended well with this set; one still waiting is not confirmed.
    void programmed(const ParameterSet &set);
    // Another sequence ended, or the link went silent or lost its device.
    void interrupted() { settle(HistoryEvent::Unconfirmed); }
    // The idle status poll reported the unit's save countdown.
    void countdownReported(quint16 countdown);

private:
    void settle(HistoryEvent event);

    Record m_record;
    std::optional<ParameterSet> m_storing;
};
