#pragma once

#include <QtGlobal>

// Plain values the link reports: which sequence runs, the phase it is in,
// how a page exchange and a whole sequence ended.

enum class SequenceKind : quint8
{
    Read,     // page 0, page 1 into the caller's set (normalised), then verify page 1
    Program,  // write page 0 (the unit's page 0 comes back), write page 1, then verify
    Verify,   // compare page 1
    ReadOnly, // as Read, into a separate set that is neither normalised nor reported page by page
};

enum class Phase : quint8
{
    Read,
    Program,
    Verify,
};

// The phase a sequence starts in.
constexpr Phase firstPhase(SequenceKind kind)
{
    switch (kind) {
    case SequenceKind::Program:
        return Phase::Program;
    case SequenceKind::Verify:
        return Phase::Verify;
    case SequenceKind::Read:
    case SequenceKind::ReadOnly:
        break;
    }
    return Phase::Read;
}

// How one page request ended.
enum class ExchangeEnd : quint8
{
    Answered,  // a sound answer the sequence took
    BadAnswer, // the sends ran out; a sound answer came but its content was refused
    TimedOut,  // the sends ran out without a sound answer
};

enum class Outcome : quint8
{
    Ok,
    Failed,          // a page exchange of the phase did not end Answered
    ReadProtected,   // the unit forbids reading (page 0 byte 9)
    VersionMismatch, // the unit keeps another data format (page 0 byte 10)
};

struct SequenceEnd
{
    SequenceKind sequence = SequenceKind::Read;
    Phase phase = Phase::Read; // the phase the sequence ended in
    Outcome outcome = Outcome::Ok;
    ExchangeEnd exchange = ExchangeEnd::Answered; // what ended its last page request
    int unitVersion = 0;     // the unit's format version, with VersionMismatch only
    bool deviceLost = false; // Failed because the port's device went away

    bool operator==(const SequenceEnd &o) const
    {
        return sequence == o.sequence && phase == o.phase && outcome == o.outcome &&
               exchange == o.exchange && unitVersion == o.unitVersion && deviceLost == o.deviceLost;
    }
};
