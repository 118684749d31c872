#pragma once

#include "LinkOutcome.h"

#include <QtGlobal>

class LinkListener;
class ParameterSet;

// Read, Program, Verify or a read-only read: the pages to request in turn
// and what each sound answer does to the set. Ends in exactly one outcome.
class Sequence
{
public:
    static constexpr int kProgressMax = 3; // progress of a finished phase

    // What the poll cycle does after an answer.
    struct Step
    {
        enum class Kind
        {
            Refused, // wrong content: the request stays, its resends go on
            Next,    // send the request for command now
            Ended,
        };
        Kind kind = Kind::Refused;
        quint8 command = 0;
        SequenceEnd end;
    };

    // The set must outlive the sequence.
    Sequence(SequenceKind kind, ParameterSet &set);

    SequenceKind kind() const { return m_kind; }
    Phase phase() const { return m_phase; }
    ParameterSet &set() { return m_set; }
    quint8 firstCommand() const;
    // Read requests carry zeros; the others carry the page from the set.
    bool carriesZeros() const { return m_phase == Phase::Read; }

    // A sound answer to the pending request for page.
    Step take(int page, const quint8 *data, LinkListener &listener);
    // The pending request ended without an answer the sequence took.
    SequenceEnd failed(ExchangeEnd exchange) const;

private:
    Step takeRead(int page, const quint8 *data, LinkListener &listener);
    Step takeProgram(int page, const quint8 *data, LinkListener &listener);
    Step takeVerify(const quint8 *data, LinkListener &listener);
    Step beginVerify(LinkListener &listener);
    Step next(quint8 command) const;
    Step end(Outcome outcome, int unitVersion = 0) const;
    void setChanged(LinkListener &listener);
    void advance(LinkListener &listener);

    SequenceKind m_kind;
    Phase m_phase;
    ParameterSet &m_set;
    int m_progress = 0;
};
