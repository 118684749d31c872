// Raw bytes from the unit, in runs of any length between ticks, in every
// link state. Few of them pass the check byte; this target tries the frame
// judgement and the byte accounting of the receive path.

#include "FuzzEntries.h"
#include "FuzzInput.h"
#include "LinkHarness.h"

namespace {
constexpr quint8 kHideWaiting = 0xFF; // a run length that stands for "port cannot tell"
}

void fuzz::linkRaw(QByteArrayView data)
{
    FuzzInput input(data);
    const LinkScriptHead head = LinkScriptHead::read(input);
    LinkHarness harness;
    harness.start(head.start);
    while (!input.atEnd()) {
        const quint8 run = input.byte();
        if (run == kHideWaiting)
            harness.port().hideWaitingOnce();
        else
            harness.port().feed(input.take(run));
        harness.ticks(1);
    }
    harness.ticks(head.closingTicks);
}
