#pragma once

#include "LinkOutcome.h"

#include <QString>

#include <memory>

struct MonitorValues;

// What the poll cycle reports, as plain values, in the order it happens
// within a tick. Every call has an empty default, so a listener takes only
// what it needs. Page events concern the set a Read or Program works on,
// never the separate set of a read-only read. A new event is a virtual here
// and a forward in LinkListeners.
class LinkListener
{
public:
    LinkListener() = default;
    // A copy is a listener of its own, in no list until added.
    LinkListener(const LinkListener &) {}
    LinkListener &operator=(const LinkListener &) { return *this; }
    virtual ~LinkListener() = default;

    // An accepted status answer.
    virtual void statusTaken(const MonitorValues &) {}
    // Page 0 of the unit (its identification) went into the set.
    virtual void unitInfoTaken() {}
    // The set changed and is normalised; a window shows it again.
    virtual void setChanged() {}
    // The running sequence moved on to another phase (its progress is back at 0).
    virtual void phaseChanged(Phase) {}
    // Progress of the running phase, 0..PollCycle::kProgressMax.
    virtual void progressChanged(int) {}
    virtual void sequenceEnded(const SequenceEnd &) {}
    // The idle step of a tick, after the status poll (no sequence was running).
    virtual void idleStep() {}
    // The tick's link work is done; the watchdog has counted.
    virtual void tickEnded() {}
    // The open port's device went away and the port is closed; a running
    // sequence ends Failed right after. Comes once per loss.
    virtual void portLost(const QString & /*devicePath*/) {}
    // The lost device opened again; the status poll goes on.
    virtual void portBack(const QString & /*devicePath*/) {}

private:
    friend class LinkListeners;
    // Lives exactly as long as the listener: a list holding a listener
    // watches it, and skips and forgets a listener destroyed.
    std::shared_ptr<const bool> m_alive = std::make_shared<const bool>(true);
};
