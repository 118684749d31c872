#pragma once

#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingView.h"
#include "SerialPort.h"
#include "SimProcess.h"
#include "TappedPort.h"

#include <QtTest>

#include <functional>

// Bounds in the link's own time.
namespace e2e {

// Start-up of the simulator and its replies on standard input; far quicker in practice.
constexpr int kProcessMs = PollCycle::kMessageTicks * PollCycle::kTickMs;
// A page request has 5 sends, 4 ticks apart; the sixth due time ends it.
constexpr int kPageTicks = PollCycle::kMaxSends * PollCycle::kResendTicks;
// Page requests of each transaction: Read reads two pages and verifies one;
// Program writes two and verifies one.
constexpr int kReadPages = 3;
constexpr int kProgramPages = 3;
constexpr int kVerifyPages = 1;

// A transaction of this many page requests has ended by then: the first send
// comes within the resend period, each page then has its sends.
constexpr int transactionTicks(int pages)
{
    return PollCycle::kResendTicks + pages * kPageTicks + 1;
}

inline QByteArray pageOf(const ParameterSet &image, int page)
{
    return QByteArray(reinterpret_cast<const char *>(image.page(page)), ParameterSet::kPageSize);
}

inline QByteArray dataOf(const LinkFrame::Bytes &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.data()) + 1, wire::kFrameDataSize);
}

} // namespace e2e

// The program's link, as the window owns it, on a real serial port to a
// running simulator. The window's image starts at the New defaults.
struct SimLink
{
    SimProcess sim{QStringLiteral(ZEVRAS_SIM_PATH)};
    ParameterSet image;
    lang::MessageTable messages;
    SerialPort serial;
    TappedPort port{serial};
    RecordingView view;
    PollCycle link{image, messages, port, view};
    int ticks = 0;

    SimLink() { image.SetDefaults(); }
    ~SimLink() { link.closeComPort(); }

    // Starts the simulator with these options and opens its device.
    bool start(const QStringList &arguments)
    {
        const QString device = sim.start(arguments, e2e::kProcessMs);
        if (device.isEmpty())
            return false;
        link.openComPort(PollCycle::kFirstComPort, device);
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
