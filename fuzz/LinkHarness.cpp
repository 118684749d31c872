#include "LinkHarness.h"

#include "FuzzEntries.h"
#include "FuzzInput.h"

using fuzz::require;

qint64 FuzzPort::bytesWaiting()
{
    if (m_hideWaiting) {
        m_hideWaiting = false;
        return -1;
    }
    return m_incoming.size();
}

QByteArray FuzzPort::read(qint64 maxBytes)
{
    require(maxBytes > 0, "the link reads nothing");
    const QByteArray taken = m_incoming.left(maxBytes);
    m_incoming.remove(0, taken.size());
    return taken;
}

bool FuzzPort::write(const LinkFrame::Bytes &frame)
{
    require(wire::checkPasses(frame.data()), "the link sends a frame with a wrong check byte");
    const quint8 code = frame[0];
    require(code == wire::CMD_WRITE_PAGE0 || code == wire::CMD_WRITE_PAGE1 ||
                code == wire::CMD_STATUS || code == wire::CMD_READ_PAGE0 ||
                code == wire::CMD_READ_PAGE1,
            "the link sends a request the unit does not know");
    if (!m_open)
        return false;
    m_lastWrite = frame;
    return true;
}

void CheckingView::setProgress(int value)
{
    require(value >= 0 && value <= PollCycle::kProgressMax, "progress out of range");
}

void CheckingView::setMonitorText(MonitorLabel label, const QString &)
{
    require(int(label) >= 0 && int(label) < kMonitorLabelCount, "unknown monitor label");
}

void CheckingView::setMonitorColour(MonitorLabel label, LabelColour)
{
    require(int(label) >= 0 && int(label) < kMonitorLabelCount, "unknown monitor label");
}

void CheckingView::setRpmGauge(int percent)
{
    require(percent >= 0 && percent <= MonitorDecoder::kRpmGaugeMax, "speed gauge out of range");
}

void CheckingView::setCurrentPoint(std::optional<int> row)
{
    require(!row || (*row >= 0 && *row < ParameterSet::kCurvePoints),
            "current point outside the curve");
}

void CheckingView::showParameterSet()
{
    ParameterSet normal = m_image;
    normal.NormaliseParameterSet();
    require(normal == m_image, "the link shows an image that is not normalised");
}

LinkHarness::LinkHarness()
{
    m_image.SetDefaults();
    m_link.openComPort(PollCycle::kFirstComPort, QStringLiteral("fuzz"));
}

void LinkHarness::start(quint8 selector)
{
    switch (selector % 5) {
    case 1:
        m_link.startRead();
        break;
    case 2:
        m_link.startProgram();
        break;
    case 3:
        m_link.startVerify();
        break;
    case 4:
        m_link.startProgramAtOnce();
        break;
    default:
        break;
    }
    checkState();
}

void LinkHarness::windowCommand(quint8 selector)
{
    switch (selector % 5) {
    case 0:
        m_link.closeComPort();
        break;
    case 1:
        m_link.openComPort(PollCycle::kFirstComPort, QStringLiteral("fuzz"));
        break;
    case 2:
        m_port.failNextOpen();
        m_link.openComPort(PollCycle::kLastComPort, QStringLiteral("fuzz"));
        break;
    case 3:
        m_link.setPrintMode(true);
        break;
    case 4:
        m_link.setPrintMode(false);
        break;
    }
    checkState();
}

void LinkHarness::ticks(int count)
{
    for (int i = 0; i < count; ++i) {
        m_link.tick();
        checkState();
    }
}

void LinkHarness::checkState() const
{
    require(m_link.sendCount() >= 0 && m_link.sendCount() <= PollCycle::kMaxSends + 1,
            "send count out of range");
    require(m_link.messageTicks() >= 0 && m_link.messageTicks() <= PollCycle::kMessageTicks,
            "message time out of range");
    require(m_link.linkState() == PollCycle::LinkState::Idle ||
                (m_link.commandByte() & wire::kPageMask) <= 1,
            "the link waits for a page that does not exist");
}

LinkScriptHead LinkScriptHead::read(FuzzInput &input)
{
    LinkScriptHead head;
    head.start = input.byte();
    head.closingTicks = input.byte();
    return head;
}
