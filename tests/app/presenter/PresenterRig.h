#pragma once

#include "FakePort.h"
#include "LinkPresenter.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingDisplay.h"
#include "TestFrames.h"

// The presenter on a poll cycle whose fake port is open and silent, with a
// recording display and the window's image at the New defaults. Tests feed
// the presenter outcomes directly, or status answers through the port.
struct PresenterRig
{
    ParameterSet image;
    lang::MessageTable messages;
    FakePort port;
    RecordingDisplay display;
    PollCycle link{port};
    LinkPresenter presenter{link, image, messages, display};

    PresenterRig()
    {
        image.SetDefaults();
        presenter.openComPort(1, QStringLiteral("/dev/ttyS0"));
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            link.tick();
    }

    // One status answer, taken on the next tick.
    void status(const testframes::Status &status)
    {
        port.feed(status.frame());
        link.tick();
    }

    void end(SequenceKind sequence, Phase phase, Outcome outcome, int unitVersion = 0)
    {
        presenter.sequenceEnded(
            SequenceEnd{sequence, phase, outcome, ExchangeEnd::TimedOut, unitVersion});
    }

    int messageTicks() const { return presenter.messageLine().ticks(); }
};
