#pragma once

#include "LinkFrame.h"
#include "LinkOutcome.h"

#include <optional>

class ParameterSet;
class Port;

// One page request and its resends. The request is sent at most kMaxSends
// times, each time built afresh from the set (a read carries zeros); the
// poll cycle says when a send is due. It ends in exactly one of three ways:
// answered, bad answer, timed out.
class PageExchange
{
public:
    static constexpr int kMaxSends = 5;

    explicit PageExchange(Port &port) : m_port(port) {}

    // Arms the request; the first send waits for the next due time.
    void begin(quint8 command, const ParameterSet &source, bool carriesZeros);
    // Arms the request and sends it at once (counting that send).
    void beginNow(quint8 command, const ParameterSet &source, bool carriesZeros);
    // A send is due: sends again, or ends the exchange when the sends have run out.
    std::optional<ExchangeEnd> due();

    // A sound answer to this request (right code, check passes).
    bool isAnsweredBy(const LinkFrame &frame) const { return frame.answers(m_command); }
    // The sequence refused the content of a sound answer; the resends go on.
    void refuse() { m_refused = true; }

    quint8 command() const { return m_command; }
    int page() const { return m_command & wire::kPageMask; }
    int sendCount() const { return m_sendCount; }

private:
    void send();

    Port &m_port;
    const ParameterSet *m_source = nullptr;
    quint8 m_command = 0;
    bool m_carriesZeros = false;
    bool m_refused = false;
    int m_sendCount = 0;
};
