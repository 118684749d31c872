#pragma once

#include "FakePort.h"
#include "FrameBytes.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingListener.h"
#include "TestFrames.h"

// A poll cycle on a fake port with a recording listener, its port open and
// the window's image at the New defaults.
struct LinkRig
{
    ParameterSet image;
    FakePort port;
    RecordingListener listener;
    PollCycle link{port};

    LinkRig()
    {
        image.SetDefaults();
        link.addListener(listener);
        link.openComPort(1, QStringLiteral("/dev/ttyS0"));
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            link.tick();
    }

    // Ticks until the link writes, at most limit ticks; the ticks taken or -1.
    int ticksUntilWrite(int limit)
    {
        const size_t before = port.writes.size();
        for (int taken = 1; taken <= limit; ++taken) {
            link.tick();
            if (port.writes.size() > before)
                return taken;
        }
        return -1;
    }

    // Waits for the next page request, answers it with code and data, and
    // lets the link take the answer on the following tick.
    bool answerNext(quint8 code, const quint8 *data)
    {
        if (ticksUntilWrite(PollCycle::kResendTicks) < 0)
            return false;
        port.feed(testframes::frame(code, data));
        link.tick();
        return true;
    }

    int writesWithCode(quint8 code) const
    {
        int count = 0;
        for (const auto &frame : port.writes)
            count += frame[0] == code;
        return count;
    }
};

// Page 0 as a unit with program SIL13 of 25 Jan 2003, 16:21 sends it.
inline QByteArray unitPage0(int version = 46, int readAllowed = 1)
{
    QByteArray page(50, '\0');
    page.replace(0, 3, "SIL");
    page[3] = 13;
    page[4] = 25;
    page[5] = 25;
    page[6] = 3;
    page[7] = 16;
    page[8] = 21;
    page[9] = char(readAllowed);
    page[10] = char(version);
    return page;
}

inline const quint8 *bytes(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}
