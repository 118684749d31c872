#include "PageExchange.h"

#include "Port.h"

void PageExchange::begin(quint8 command, const ParameterSet &source, bool carriesZeros)
{
    m_source = &source;
    m_command = command;
    m_carriesZeros = carriesZeros;
    m_refused = false;
    m_sendCount = 0;
}

void PageExchange::beginNow(quint8 command, const ParameterSet &source, bool carriesZeros)
{
    begin(command, source, carriesZeros);
    m_sendCount = 1;
    send();
}

std::optional<ExchangeEnd> PageExchange::due()
{
    ++m_sendCount;
    if (m_sendCount > kMaxSends)
        return m_refused ? ExchangeEnd::BadAnswer : ExchangeEnd::TimedOut;
    send();
    return std::nullopt;
}

void PageExchange::send()
{
    m_port.write(LinkFrame::pageRequest(m_command, m_carriesZeros, *m_source).bytes());
}
