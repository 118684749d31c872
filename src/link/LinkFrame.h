#pragma once

#include "LinkProtocol.h"

#include <QtGlobal>

#include <array>

class ParameterSet;

// One 52-byte frame as it travels in either direction: code, 50 data bytes,
// check byte.
class LinkFrame
{
public:
    using Bytes = std::array<quint8, wire::kFrameSize>;

    LinkFrame() { m_bytes.fill(0); }
    // Takes the first 52 bytes; the caller guarantees there are that many.
    static LinkFrame fromReceived(const char *data);

    // The status poll: 0x30, fifty zeros, check.
    static LinkFrame statusRequest();
    // A page request for the page numbered command & 0x3F. A read carries
    // zeros; a write or a verify carries the page from the image.
    static LinkFrame pageRequest(quint8 command, bool carriesZeros, const ParameterSet &image);

    quint8 code() const { return m_bytes[0]; }
    const quint8 *data() const { return m_bytes.data() + 1; }
    const Bytes &bytes() const { return m_bytes; }

    bool checkPasses() const { return wire::checkPasses(m_bytes.data()); }
    bool isStatusAnswer() const { return code() == wire::ANSWER_STATUS; }
    // A sound answer to the given request code.
    bool answers(quint8 command) const
    {
        return checkPasses() && code() == (command ^ wire::kAnswerBit);
    }

private:
    void seal() { m_bytes[wire::kCheckIndex] = wire::checkByte(m_bytes.data()); }

    Bytes m_bytes;
};
