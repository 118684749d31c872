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
    require(percent >= 0 && percent <= MonitorText::kRpmGaugeMax, "speed gauge out of range");
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

void CheckingListener::unitInfoTaken()
{
    require(m_link.sequence() == SequenceKind::Read || m_link.sequence() == SequenceKind::Program,
            "page 0 taken outside a read or a programming");
    m_next.unitInfoTaken();
}

void CheckingListener::phaseChanged(Phase phase)
{
    require(phase == Phase::Verify && m_link.linkState() == PollCycle::LinkState::Verifying,
            "a phase other than the verify follows the first");
    m_next.phaseChanged(phase);
}

void CheckingListener::progressChanged(int value)
{
    require(value >= 0 && value <= PollCycle::kProgressMax, "progress out of range");
    m_next.progressChanged(value);
}

void CheckingListener::sequenceEnded(const SequenceEnd &end)
{
    require(m_link.linkState() == PollCycle::LinkState::Idle, "a sequence ends while it runs");
    require(end.outcome != Outcome::Failed || end.exchange != ExchangeEnd::Answered,
            "a failure without a failed exchange");
    m_next.sequenceEnded(end);
}

void CheckingListener::idleStep()
{
    require(m_link.linkState() == PollCycle::LinkState::Idle, "an idle step while a sequence runs");
    m_next.idleStep();
}

LinkHarness::LinkHarness()
{
    m_image.SetDefaults();
    m_link.addListener(m_checks);
    m_presenter.openComPort(PollCycle::kFirstComPort, QStringLiteral("fuzz"));
}

void LinkHarness::start(quint8 selector)
{
    switch (selector % 5) {
    case 1:
        m_presenter.startRead();
        break;
    case 2:
        m_image.NormaliseParameterSet();
        m_presenter.startProgram();
        break;
    case 3:
        m_image.NormaliseParameterSet();
        m_presenter.startVerify();
        break;
    case 4:
        m_presenter.startProgramAtOnce();
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
        m_presenter.openComPort(PollCycle::kFirstComPort, QStringLiteral("fuzz"));
        break;
    case 2:
        m_port.failNextOpen();
        m_presenter.openComPort(PollCycle::kLastComPort, QStringLiteral("fuzz"));
        break;
    case 3:
        m_view.printing = true;
        break;
    case 4:
        m_view.printing = false;
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
    const int messageTicks = m_presenter.messageLine().ticks();
    require(messageTicks >= 0 && messageTicks <= MessageLine::kHoldTicks,
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
