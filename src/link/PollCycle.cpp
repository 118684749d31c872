#include "PollCycle.h"

#include "CurvePoint.h"
#include "LinkView.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "Port.h"

#include <algorithm>

using lang::Msg;

PollCycle::PollCycle(ParameterSet &image, const lang::MessageTable &messages, Port &port,
                     LinkView &view)
    : m_image(image), m_messages(messages), m_port(port), m_view(view), m_monitor(messages)
{
}

void PollCycle::openComPort(int comPort, const QString &devicePath)
{
    closeComPort();
    if (comPort < kFirstComPort || comPort > kLastComPort)
        return;
    m_portError.clear();
    if (!m_port.open(devicePath, &m_portError))
        m_view.showComOpeningError(m_messages.text(Msg::ComOpeningError));
}

void PollCycle::closeComPort()
{
    if (m_port.isOpen())
        m_port.close();
}

void PollCycle::tick()
{
    readComPort();
    stepTransaction();
    countDownMessage();
    runWatchdog();
    highlightCurvePoint();
    deliverVersionBox();
}

void PollCycle::readComPort()
{
    if (!m_port.isOpen())
        return;
    const qint64 waiting = m_port.bytesWaiting();
    if (waiting < wire::kReceiveThreshold)
        return;
    const QByteArray received = m_port.read(std::min<qint64>(waiting, wire::kReceiveCap));
    // Only the first frame is judged; anything after it is dropped.
    if (received.size() >= wire::kFrameSize)
        dispatch(LinkFrame::fromReceived(received.constData()));
}

void PollCycle::dispatch(const LinkFrame &frame)
{
    if (frame.isStatusAnswer()) {
        if (frame.checkPasses())
            takeStatus(frame);
        return;
    }
    if (m_linkState == LinkState::Idle || !frame.answers(m_commandByte))
        return;
    m_watchdogTicks = 0;
    takeAnswer(m_commandByte & wire::kPageMask, frame.data());
}

void PollCycle::takeStatus(const LinkFrame &frame)
{
    m_watchdogTicks = 0;
    const StatusRecord status(frame.bytes().data());
    m_engineSpeed = status.currentSpeed();
    m_saveCountdown = status.saveCountdown();

    const MonitorDisplay display = m_monitor.decode(status, m_image.limiter(1));
    for (int i = 0; i < kMonitorLabelCount; ++i) {
        const auto label = MonitorLabel(i);
        const MonitorDisplay::Line &line = display.line(label);
        m_view.setMonitorText(label, line.text);
        if (line.colour)
            m_view.setMonitorColour(label, *line.colour);
    }
    m_view.setRpmGauge(display.rpmGauge);
    if (!display.versionMatches)
        m_view.setVersionLabelText(display.versionText);
    m_view.setVersionLabelVisible(!display.versionMatches);
    m_view.setEeDataErrorVisible(display.eeDataError);
}

void PollCycle::stepTransaction()
{
    const LinkState state = m_linkState;
    ++m_tickCount;
    if (state == LinkState::Idle) {
        if (m_tickCount >= kStatusPollTicks) {
            m_tickCount = 0;
            sendStatusRequest();
        }
        // A store still reported belongs to an earlier programming; it must
        // not hide that the transaction since then failed.
        if (m_saveCountdown > 0 && !m_failureShown) {
            showMessage(m_messages.text(Msg::Saving), LabelColour::Normal);
            const int done = wire::status::kSaveFullCount - int(m_saveCountdown);
            setProgress(std::max(0, kProgressMax * done / wire::status::kSaveFullCount));
        } else if (m_programmedOk) {
            m_view.setMessageText(m_messages.text(Msg::Programing) + kOk);
            setProgress(kProgressMax);
        }
        return;
    }
    if (m_tickCount >= kResendTicks) {
        m_tickCount = 0;
        ++m_sendCount;
        if (m_sendCount > kMaxSends)
            failTransaction();
        else
            sendRequest();
    }
    if (state == LinkState::Reading)
        m_programmedOk = false;
}

void PollCycle::failTransaction()
{
    Msg text = Msg::ReadError;
    if (m_linkState == LinkState::Programming) {
        text = Msg::ProgramError;
    } else if (m_linkState == LinkState::Verifying) {
        text = Msg::VerifyError;
        m_programmedOk = false;
    }
    showMessage(m_messages.text(text), LabelColour::Red);
    m_linkState = LinkState::Idle;
}

void PollCycle::countDownMessage()
{
    if (m_messageTicks > 0) {
        --m_messageTicks;
        m_view.setMessageVisible(!m_printMode);
        return;
    }
    m_view.setMessageVisible(false);
    m_view.setProgressVisible(false);
    m_programmedOk = false;
}

void PollCycle::runWatchdog()
{
    if (m_watchdogTicks >= kWatchdogTicks) {
        const bool shown = !m_printMode;
        m_view.setConnectionLabelVisible(shown);
        if (shown)
            m_view.setVersionLabelVisible(false);
        return;
    }
    ++m_watchdogTicks;
    m_view.setConnectionLabelVisible(false);
}

void PollCycle::highlightCurvePoint()
{
    m_currentPoint = nearestCurvePoint(m_image, m_engineSpeed);
    m_view.setCurrentPoint(m_currentPoint);
}

void PollCycle::deliverVersionBox()
{
    if (!m_pendingVersionBox)
        return;
    const QString text = *m_pendingVersionBox;
    m_pendingVersionBox.reset();
    m_view.showVersionMismatch(text);
}

void PollCycle::sendRequest()
{
    m_tickCount = 0;
    const bool zeros = m_linkState == LinkState::Reading;
    m_port.write(LinkFrame::pageRequest(m_commandByte, zeros, m_image).bytes());
}

void PollCycle::sendStatusRequest()
{
    m_port.write(LinkFrame::statusRequest().bytes());
    m_port.waitSent();
}

void PollCycle::showMessage(const QString &text, LabelColour colour)
{
    m_failureShown = colour == LabelColour::Red;
    m_view.setMessageColour(colour);
    m_view.setMessageText(text);
    m_messageTicks = kMessageTicks;
}

void PollCycle::setProgress(int value)
{
    m_progress = value;
    m_view.setProgress(value);
}
