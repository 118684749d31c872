#pragma once

#include "CurveGraph.h"
#include "HistoryFolder.h"
#include "LinkListener.h"
#include "ParameterSet.h"

#include <functional>
#include <optional>

class PollCycle;

// The live engine as the graph marks it: the reported speed and the advance
// the unit applies (its base advance while it fires at base), or none
// without a pick-up signal.
std::optional<OperatingPoint> operatingPointOf(const MonitorValues &values, int baseAdvance);

// Hears the link beside the window's presenter. Every report goes on to the
// presenter first, so the window has shown it; then the curve graph's
// operating point and point in use follow the status, and a Read that ended
// well puts the set into the history, as does a Program (verified) once the
// unit has reported it stored, or as not confirmed when the link is lost or
// another sequence ends before that.
class ToolLinkWatch : public LinkListener
{
public:
    using Record = std::function<void(HistoryEvent, const ParameterSet &)>;
    // The unit holds the window's set: a Read, Program or Verify ended well.
    using UnitHolds = std::function<void()>;

    // Takes the link's listener place and hands it back to presenter when destroyed.
    ToolLinkWatch(PollCycle &link, LinkListener &presenter, const ParameterSet &image,
                  CurveGraph &graph, Record record);
    ~ToolLinkWatch() override;
    ToolLinkWatch(const ToolLinkWatch &) = delete;
    ToolLinkWatch &operator=(const ToolLinkWatch &) = delete;

    void statusTaken(const MonitorValues &values) override;
    void unitInfoTaken() override;
    void setChanged() override;
    void phaseChanged(Phase phase) override;
    void progressChanged(int value) override;
    void sequenceEnded(const SequenceEnd &end) override;
    void idleStep() override;
    void tickEnded() override;

    void setUnitHolds(UnitHolds held) { m_unitHolds = std::move(held); }

private:
    void settleProgrammed(HistoryEvent event);

    PollCycle &m_link;
    LinkListener &m_presenter;
    const ParameterSet &m_image;
    CurveGraph &m_graph;
    Record m_record;
    UnitHolds m_unitHolds;
    std::optional<ParameterSet> m_storing; // programmed and verified, not yet reported stored
};
