#pragma once

#include "LinkListener.h"

#include <memory>
#include <vector>

// The poll cycle's listeners, in the order they were added; itself a
// listener that hands every report to each of them in that order. A
// listener destroyed is skipped and forgotten, even in the middle of a
// report, so nobody has to remove it and no order of destruction matters.
class LinkListeners : public LinkListener
{
public:
    // A listener added twice still hears each report once.
    void add(LinkListener &listener);
    void remove(const LinkListener &listener);
    int size() const;

    void statusTaken(const MonitorValues &values) override;
    void unitInfoTaken() override;
    void setChanged() override;
    void phaseChanged(Phase phase) override;
    void progressChanged(int value) override;
    void sequenceEnded(const SequenceEnd &end) override;
    void idleStep() override;
    void tickEnded() override;
    void portLost(const QString &devicePath) override;
    void portBack(const QString &devicePath) override;

private:
    struct Entry
    {
        LinkListener *listener;
        std::weak_ptr<const bool> alive;
    };

    // Calls each listener alive at the time of its turn; one added during a
    // report hears from the next report on.
    template <typename Report> void each(const Report &report);
    void forgetDestroyed();

    std::vector<Entry> m_entries;
};
