// Frames with a sound check byte, so that the link gets past the frame
// judgement into the status decoding, UNIT_INFO and the page comparisons of
// every transaction. Each step is one op byte: its remainder by kOpKinds picks
// the frame, its quotient the ticks that follow.

#include "FuzzEntries.h"
#include "FuzzInput.h"
#include "LinkHarness.h"
#include "SimFrame.h"

#include <cstring>

namespace {

enum Op : quint8
{
    PendingAnswer, // the answer code the link waits for, fuzzed data
    UnitAnswer,    // what a sound unit answers to the last request, one byte changed
    Status,        // a status answer, fuzzed data
    AnyCode,       // a fuzzed code, fuzzed data
    Start,         // starts (or replaces) a transaction
    Raw,           // a run of unsealed bytes
    Window,        // a port or print command of the window
    kOpKinds
};
constexpr int kMaxTicksPerStep = 8;

QByteArray sealedFrame(quint8 code, const Page &data)
{
    return frameBytes(makeFrame(code, data.data()));
}

Page pageFrom(FuzzInput &input)
{
    Page page{};
    const QByteArrayView run = input.take(page.size());
    std::memcpy(page.data(), run.data(), run.size());
    return page;
}

// A unit that stores what it is sent and sends back what it holds.
class SoundUnit
{
public:
    SoundUnit()
    {
        const char name[] = "SIL";
        std::memcpy(m_info.data() + wire::info::NAME, name, 3);
        m_info[wire::info::NAME_NUMBER] = 13;
        m_info[wire::info::DAY] = 25;
        m_info[wire::info::MONTH_CODE] = 25;
        m_info[wire::info::YEAR] = 3;
        m_info[wire::info::READ_ALLOWED] = 1;
        m_info[wire::info::FORMAT_VERSION] = wire::PC_FORMAT_VERSION;
        ParameterSet set;
        set.SetDefaults();
        std::memcpy(m_parameters.data(), set.page(1), m_parameters.size());
    }

    Page answer(const LinkFrame::Bytes &request)
    {
        switch (request[0]) {
        case wire::CMD_WRITE_PAGE1:
            std::memcpy(m_parameters.data(), request.data() + 1, m_parameters.size());
            return m_parameters;
        case wire::CMD_READ_PAGE1:
            return m_parameters;
        case wire::CMD_STATUS: {
            Page status{};
            status[wire::status::FORMAT_VERSION - 1] = wire::PC_FORMAT_VERSION;
            return status;
        }
        default:
            return m_info;
        }
    }

private:
    Page m_info{};
    Page m_parameters{};
};

} // namespace

void fuzz::linkSealed(QByteArrayView data)
{
    FuzzInput input(data);
    const LinkScriptHead head = LinkScriptHead::read(input);
    LinkHarness harness;
    SoundUnit unit;
    harness.start(head.start);
    while (!input.atEnd()) {
        const quint8 op = input.byte();
        switch (op % kOpKinds) {
        case PendingAnswer:
            harness.port().feed(sealedFrame(harness.pendingAnswerCode(), pageFrom(input)));
            break;
        case UnitAnswer: {
            const LinkFrame::Bytes &request = harness.port().lastWrite();
            Page page = unit.answer(request);
            const quint8 at = input.byte();
            const quint8 value = input.byte();
            if (at < page.size())
                page[at] = value;
            harness.port().feed(sealedFrame(request[0] ^ wire::kAnswerBit, page));
            break;
        }
        case Status:
            harness.port().feed(sealedFrame(wire::ANSWER_STATUS, pageFrom(input)));
            break;
        case AnyCode: {
            const quint8 code = input.byte();
            harness.port().feed(sealedFrame(code, pageFrom(input)));
            break;
        }
        case Start:
            harness.start(input.byte());
            break;
        case Raw:
            harness.port().feed(input.take(input.byte()));
            break;
        case Window:
            harness.windowCommand(input.byte());
            break;
        }
        harness.ticks(op / kOpKinds % kMaxTicksPerStep);
    }
    harness.ticks(head.closingTicks);
}
