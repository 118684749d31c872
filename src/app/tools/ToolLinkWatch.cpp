#include "ToolLinkWatch.h"

#include "CurvePoint.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "PollCycle.h"

std::optional<OperatingPoint> operatingPointOf(const MonitorValues &values, int baseAdvance)
{
    if (!values.pickup)
        return std::nullopt;
    return OperatingPoint{values.engineSpeed,
                          values.basicAdvance ? baseAdvance : values.advanceNow};
}

ToolLinkWatch::ToolLinkWatch(PollCycle &link, LinkListener &presenter, const ParameterSet &image,
                             CurveGraph &graph, Record record)
    : m_link(link), m_presenter(presenter), m_image(image), m_graph(graph),
      m_record(std::move(record))
{
    m_link.setListener(this);
}

ToolLinkWatch::~ToolLinkWatch()
{
    m_link.setListener(&m_presenter);
}

void ToolLinkWatch::statusTaken(const MonitorValues &values)
{
    m_presenter.statusTaken(values);
    m_graph.setOperatingPoint(operatingPointOf(values, m_image.baseAdv()));
}

void ToolLinkWatch::unitInfoTaken()
{
    m_presenter.unitInfoTaken();
}

void ToolLinkWatch::setChanged()
{
    m_presenter.setChanged();
}

void ToolLinkWatch::phaseChanged(Phase phase)
{
    m_presenter.phaseChanged(phase);
}

void ToolLinkWatch::progressChanged(int value)
{
    m_presenter.progressChanged(value);
}

// A Read reads page 1 back again to check it, and a Program verifies what it
// wrote, so an Ok of either is a set the unit holds; a programmed set counts
// as kept only once the unit has stored it.
void ToolLinkWatch::sequenceEnded(const SequenceEnd &end)
{
    m_presenter.sequenceEnded(end);
    settleProgrammed(HistoryEvent::Unconfirmed);
    if (end.outcome != Outcome::Ok || end.sequence == SequenceKind::ReadOnly)
        return;
    if (end.sequence == SequenceKind::Read)
        m_record(HistoryEvent::Read, m_image);
    else if (end.sequence == SequenceKind::Program)
        m_storing = m_image;
    if (m_unitHolds)
        m_unitHolds();
}

void ToolLinkWatch::settleProgrammed(HistoryEvent event)
{
    if (!m_storing)
        return;
    const ParameterSet programmed = *m_storing;
    m_storing.reset();
    m_record(event, programmed);
}

void ToolLinkWatch::idleStep()
{
    m_presenter.idleStep();
    if (m_link.saveCountdown() == 0)
        settleProgrammed(HistoryEvent::Programmed);
}

// The point in use as the window's row has it: nearest to the last speed,
// every tick, so that an edit of the curve moves it at once. Without a
// connection the engine is no longer known.
void ToolLinkWatch::tickEnded()
{
    m_presenter.tickEnded();
    m_graph.setCurrentPoint(nearestCurvePoint(m_image, m_link.engineSpeed()));
    if (m_link.noConnection()) {
        m_graph.setOperatingPoint(std::nullopt);
        settleProgrammed(HistoryEvent::Unconfirmed);
    }
}
