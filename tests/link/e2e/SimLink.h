#pragma once

#include "FrameBytes.h"
#include "LinkBounds.h"
#include "LinkPresenter.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingDisplay.h"
#include "SerialPort.h"
#include "SimProcess.h"
#include "TappedPort.h"
#include "TestPaths.h"

#include <QtTest>

#include <functional>

// The program's link and its presenter, as the window owns them, on a real
// serial port to a running simulator. The window's image starts at the New
// defaults.
struct SimLink
{
    SimProcess sim{testpaths::simulator()};
    ParameterSet image;
    lang::MessageTable messages;
    SerialPort serial;
    TappedPort port{serial};
    RecordingDisplay view;
    PollCycle link{port};
    LinkPresenter presenter{link, image, messages, view};
    int ticks = 0;

    SimLink() { image.SetDefaults(); }
    ~SimLink() { link.closeComPort(); }

    // Starts the simulator with these options and opens its device.
    bool start(const QStringList &arguments)
    {
        const QString device = sim.start(arguments, e2e::kProcessMs);
        if (device.isEmpty())
            return false;
        presenter.openComPort(PollCycle::kFirstComPort, device);
        return port.isOpen() && view.comErrorBoxes.isEmpty();
    }

    // One timer period with the event loop running, then the tick.
    void tick()
    {
        QTest::qWait(PollCycle::kTickMs);
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
    QByteArray unitPage1() { return sim.storedPage1(e2e::kProcessMs); }
};
