#include "Sequence.h"

#include "LinkListener.h"
#include "LinkProtocol.h"
#include "ParameterSet.h"

#include <cstring>

namespace {

// Page 1 as the unit holds it equals the set, ignoring the read protection
// flag that a unit may keep differently.
bool verifyMatches(const quint8 *answer, const quint8 *page1)
{
    constexpr int skipped = ParameterSet::NO_READING - ParameterSet::kPageSize;
    for (int k = 0; k < ParameterSet::kPageSize; ++k) {
        if (k != skipped && answer[k] != page1[k])
            return false;
    }
    return true;
}

} // namespace

Sequence::Sequence(SequenceKind kind, ParameterSet &set)
    : m_kind(kind), m_phase(firstPhase(kind)), m_set(set)
{
}

quint8 Sequence::firstCommand() const
{
    switch (m_phase) {
    case Phase::Program:
        return wire::CMD_WRITE_PAGE0;
    case Phase::Verify:
        return wire::CMD_READ_PAGE1;
    case Phase::Read:
        break;
    }
    return wire::CMD_READ_PAGE0;
}

Sequence::Step Sequence::take(int page, const quint8 *data, LinkListener &listener)
{
    switch (m_phase) {
    case Phase::Read:
        return takeRead(page, data, listener);
    case Phase::Program:
        return takeProgram(page, data, listener);
    case Phase::Verify:
        break;
    }
    return takeVerify(data, listener);
}

SequenceEnd Sequence::failed(ExchangeEnd exchange) const
{
    SequenceEnd e = end(Outcome::Failed).end;
    e.exchange = exchange;
    return e;
}

Sequence::Step Sequence::takeRead(int page, const quint8 *data, LinkListener &listener)
{
    m_set.setPage(page, data);
    if (page == 1) {
        setChanged(listener);
        return beginVerify(listener);
    }
    if (m_kind != SequenceKind::ReadOnly)
        listener.unitInfoTaken();
    const int unitVersion = m_set.at(wire::info::FORMAT_VERSION);
    if (unitVersion != wire::PC_FORMAT_VERSION) {
        setChanged(listener);
        return end(Outcome::VersionMismatch, unitVersion);
    }
    if (m_set.at(wire::info::READ_ALLOWED) != 1) {
        setChanged(listener);
        return end(Outcome::ReadProtected);
    }
    advance(listener);
    return next(wire::CMD_READ_PAGE1);
}

Sequence::Step Sequence::takeProgram(int page, const quint8 *data, LinkListener &listener)
{
    if (page == 0) {
        // The unit's identification replaces the set's page 0 without comparison.
        m_set.setPage(0, data);
        listener.unitInfoTaken();
        setChanged(listener);
        const int unitVersion = m_set.at(wire::info::FORMAT_VERSION);
        if (unitVersion != wire::PC_FORMAT_VERSION)
            return end(Outcome::VersionMismatch, unitVersion);
        advance(listener);
        return next(wire::CMD_WRITE_PAGE1);
    }
    if (std::memcmp(data, m_set.page(1), ParameterSet::kPageSize) != 0)
        return {};
    return beginVerify(listener);
}

Sequence::Step Sequence::takeVerify(const quint8 *data, LinkListener &listener)
{
    if (!verifyMatches(data, m_set.page(1)))
        return {};
    m_progress = kProgressMax;
    listener.progressChanged(m_progress);
    return end(Outcome::Ok);
}

Sequence::Step Sequence::beginVerify(LinkListener &listener)
{
    m_phase = Phase::Verify;
    m_progress = 0;
    listener.phaseChanged(m_phase);
    listener.progressChanged(m_progress);
    return next(wire::CMD_READ_PAGE1);
}

Sequence::Step Sequence::next(quint8 command) const
{
    Step step;
    step.kind = Step::Kind::Next;
    step.command = command;
    return step;
}

Sequence::Step Sequence::end(Outcome outcome, int unitVersion) const
{
    Step step;
    step.kind = Step::Kind::Ended;
    step.end.sequence = m_kind;
    step.end.phase = m_phase;
    step.end.outcome = outcome;
    step.end.unitVersion = unitVersion;
    return step;
}

// A read-only read keeps the set as the unit sent it and tells nobody.
void Sequence::setChanged(LinkListener &listener)
{
    if (m_kind == SequenceKind::ReadOnly)
        return;
    m_set.NormaliseParameterSet();
    listener.setChanged();
}

void Sequence::advance(LinkListener &listener)
{
    ++m_progress;
    listener.progressChanged(m_progress);
}
