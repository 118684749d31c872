#pragma once

#include "CurveGraph.h"
#include "HistoryFolder.h"
#include "LinkListener.h"

#include <functional>
#include <optional>

class ParameterSet;
class PollCycle;

// The live engine as the graph marks it: the reported speed and the advance
// the unit applies (its base advance while it fires at base), or none
// without a pick-up signal.
std::optional<OperatingPoint> operatingPointOf(const MonitorValues &values, int baseAdvance);

// Hears the link beside the window's presenter. Every report goes on to the
// presenter first, so the window has shown it; then the curve graph's
// operating point and point in use follow the status, and a Read or a
// Program (verified) that ended well puts the set into the history.
class ToolLinkWatch : public LinkListener
{
public:
    using Record = std::function<void(HistoryEvent)>;

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

private:
    PollCycle &m_link;
    LinkListener &m_presenter;
    const ParameterSet &m_image;
    CurveGraph &m_graph;
    Record m_record;
};
