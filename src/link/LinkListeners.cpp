#include "LinkListeners.h"

#include <algorithm>

void LinkListeners::add(LinkListener &listener)
{
    remove(listener);
    m_entries.push_back({&listener, listener.m_alive});
}

void LinkListeners::remove(const LinkListener &listener)
{
    // Cleared, not erased: a report under way goes on over the same entries.
    for (Entry &entry : m_entries) {
        if (entry.listener == &listener)
            entry.alive.reset();
    }
}

int LinkListeners::size() const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [](const Entry &entry) { return !entry.alive.expired(); }));
}

template <typename Report> void LinkListeners::each(const Report &report)
{
    // By index: a listener may add another while it hears the report.
    const size_t count = m_entries.size();
    for (size_t i = 0; i < count; ++i) {
        const std::shared_ptr<const bool> alive = m_entries[i].alive.lock();
        if (alive)
            report(*m_entries[i].listener);
    }
}

void LinkListeners::forgetDestroyed()
{
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [](const Entry &entry) { return entry.alive.expired(); }),
                    m_entries.end());
}

void LinkListeners::statusTaken(const MonitorValues &values)
{
    each([&](LinkListener &listener) { listener.statusTaken(values); });
}

void LinkListeners::unitInfoTaken()
{
    each([](LinkListener &listener) { listener.unitInfoTaken(); });
}

void LinkListeners::setChanged()
{
    each([](LinkListener &listener) { listener.setChanged(); });
}

void LinkListeners::phaseChanged(Phase phase)
{
    each([&](LinkListener &listener) { listener.phaseChanged(phase); });
}

void LinkListeners::progressChanged(int value)
{
    each([&](LinkListener &listener) { listener.progressChanged(value); });
}

void LinkListeners::sequenceEnded(const SequenceEnd &end)
{
    each([&](LinkListener &listener) { listener.sequenceEnded(end); });
}

void LinkListeners::idleStep()
{
    each([](LinkListener &listener) { listener.idleStep(); });
}

void LinkListeners::portLost(const QString &devicePath)
{
    each([&](LinkListener &listener) { listener.portLost(devicePath); });
}

void LinkListeners::portBack(const QString &devicePath)
{
    each([&](LinkListener &listener) { listener.portBack(devicePath); });
}

void LinkListeners::tickEnded()
{
    each([](LinkListener &listener) { listener.tickEnded(); });
    // Between reports, where no loop over the entries runs.
    forgetDestroyed();
}
