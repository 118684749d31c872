#pragma once

#include "LinkBounds.h"
#include "LinkPresenter.h"
#include "LinkRunChecks.h"
#include "MessageTable.h"
#include "RecordingDisplay.h"
#include "SimulatedPort.h"

#include <algorithm>
#include <functional>

// The program's link and its presenter, as the window owns them, on the
// simulated unit inside the test: each tick moves the unit's clock on by a
// timer period, so a run takes no real time and comes out the same on every
// machine. The window's image starts at the New defaults.
struct SimulatedLink
{
    SimulatedPort unit;
    ParameterSet image;
    lang::MessageTable messages;
    TappedPort port{unit};
    RecordingDisplay view;
    PollCycle link{port};
    LinkPresenter presenter{link, image, messages, view};
    int ticks = 0;

    explicit SimulatedLink(const UnitOptions &options = {}, const FaultSettings &faults = {},
                           quint32 seed = 1)
        : unit(options, seed)
    {
        image.SetDefaults();
        unit.line().faults().settings() = faults;
    }
    ~SimulatedLink() { link.closeComPort(); }

    bool start()
    {
        presenter.openComPort(PollCycle::kFirstComPort, QStringLiteral("/dev/ttyUSB0"));
        return port.isOpen() && view.comErrorBoxes.isEmpty();
    }

    void tick()
    {
        unit.advance(PollCycle::kTickMs);
        port.setTick(++ticks);
        link.tick();
    }

    void tickFor(int count)
    {
        for (int i = 0; i < count; ++i)
            tick();
    }

    // Ticks until done() holds, at most limit ticks.
    bool tickUntil(const std::function<bool()> &done, int limit)
    {
        for (int i = 0; i < limit; ++i) {
            tick();
            if (done())
                return true;
        }
        return false;
    }

    bool idle() const { return link.linkState() == PollCycle::LinkState::Idle; }
    void setUnitPage1(const QByteArray &page)
    {
        Page data{};
        std::copy(page.begin(), page.end(), data.begin());
        unit.line().unit().setPage1(data);
    }
    // The parameter page the unit holds.
    QByteArray unitPage1() const { return pageOf(unit.line().unit().image(), 1); }
};
