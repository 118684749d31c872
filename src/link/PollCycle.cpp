#include "PollCycle.h"

#include "MonitorValues.h"
#include "ParameterSet.h"
#include "Port.h"

#include <algorithm>

PollCycle::PollCycle(Port &port) : m_port(port) {}

bool PollCycle::openComPort(int comPort, const QString &devicePath)
{
    closeComPort();
    if (comPort < kFirstComPort || comPort > kLastComPort)
        return true;
    m_portError.clear();
    m_devicePath = devicePath;
    return m_port.open(devicePath, &m_portError);
}

void PollCycle::closeComPort()
{
    m_deviceLost = false;
    m_devicePath.clear();
    if (m_port.isOpen())
        m_port.close();
}

void PollCycle::tick()
{
    readComPort();
    watchDevice();
    stepSequence();
    runWatchdog();
    m_listeners.tickEnded();
}

void PollCycle::startRead(ParameterSet &image)
{
    start(SequenceKind::Read, image);
}

void PollCycle::startProgram(ParameterSet &image)
{
    start(SequenceKind::Program, image);
}

void PollCycle::startVerify(ParameterSet &image)
{
    start(SequenceKind::Verify, image);
}

void PollCycle::startReadOnly(ParameterSet &into)
{
    start(SequenceKind::ReadOnly, into);
}

// The tick counter is left alone, so the first request goes out 1 to 4 ticks later.
void PollCycle::start(SequenceKind kind, ParameterSet &set)
{
    m_sequence.emplace(kind, set);
    m_exchange.begin(m_sequence->firstCommand(), set, m_sequence->carriesZeros());
}

PollCycle::LinkState PollCycle::linkState() const
{
    if (!m_sequence)
        return LinkState::Idle;
    switch (m_sequence->phase()) {
    case Phase::Program:
        return LinkState::Programming;
    case Phase::Verify:
        return LinkState::Verifying;
    case Phase::Read:
        break;
    }
    return LinkState::Reading;
}

std::optional<SequenceKind> PollCycle::sequence() const
{
    if (!m_sequence)
        return std::nullopt;
    return m_sequence->kind();
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

void PollCycle::watchDevice()
{
    if (m_deviceLost) {
        if (++m_reopenTicks >= kReopenTicks)
            reopenDevice();
        return;
    }
    if (!m_devicePath.isEmpty() && m_port.deviceLost())
        loseDevice();
}

// Whatever ran cannot go on: nothing more reaches the unit.
void PollCycle::loseDevice()
{
    m_deviceLost = true;
    m_reopenTicks = 0;
    if (m_port.isOpen())
        m_port.close();
    m_listeners.portLost(m_devicePath);
    if (m_sequence) {
        SequenceEnd end = m_sequence->failed(ExchangeEnd::TimedOut);
        end.deviceLost = true;
        finish(end);
    }
}

// The status poll goes out in this very tick.
void PollCycle::reopenDevice()
{
    m_reopenTicks = 0;
    QString error;
    if (!m_port.open(m_devicePath, &error))
        return;
    m_deviceLost = false;
    m_tickCount = std::max(m_tickCount, kStatusPollTicks - 1);
    m_listeners.portBack(m_devicePath);
}

bool PollCycle::programReachedUnit() const
{
    if (!m_sequence || m_sequence->kind() != SequenceKind::Program)
        return false;
    if (m_sequence->phase() == Phase::Verify)
        return true;
    return m_exchange.command() == wire::CMD_WRITE_PAGE1 && m_exchange.sendCount() > 0;
}

void PollCycle::dispatch(const LinkFrame &frame)
{
    if (frame.isStatusAnswer()) {
        if (frame.checkPasses())
            takeStatus(frame);
        return;
    }
    if (!m_sequence || !m_exchange.isAnsweredBy(frame))
        return;
    m_watchdogTicks = 0;
    takeAnswer(frame);
}

void PollCycle::takeStatus(const LinkFrame &frame)
{
    m_watchdogTicks = 0;
    const MonitorValues values = MonitorValues::fromStatus(StatusRecord(frame.bytes().data()));
    m_engineSpeed = values.engineSpeed;
    m_saveCountdown = values.saveCountdown;
    m_listeners.statusTaken(values);
}

void PollCycle::takeAnswer(const LinkFrame &frame)
{
    const Sequence::Step step = m_sequence->take(m_exchange.page(), frame.data(), m_listeners);
    switch (step.kind) {
    case Sequence::Step::Kind::Refused:
        m_exchange.refuse();
        break;
    case Sequence::Step::Kind::Next:
        m_exchange.beginNow(step.command, m_sequence->set(), m_sequence->carriesZeros());
        m_tickCount = 0;
        break;
    case Sequence::Step::Kind::Ended:
        finish(step.end);
        break;
    }
}

void PollCycle::stepSequence()
{
    ++m_tickCount;
    if (!m_sequence) {
        if (m_tickCount >= kStatusPollTicks) {
            m_tickCount = 0;
            sendStatusRequest();
        }
        m_listeners.idleStep();
        return;
    }
    if (m_tickCount >= kResendTicks) {
        m_tickCount = 0;
        if (const auto end = m_exchange.due())
            finish(m_sequence->failed(*end));
    }
}

// The unit has been storing since it took page 1, but no status has come
// during the sequence: the store counts as just begun, so success waits for
// the unit to report it done.
void PollCycle::finish(const SequenceEnd &end)
{
    m_sequence.reset();
    if (end.sequence == SequenceKind::Program && end.outcome == Outcome::Ok)
        m_saveCountdown = wire::status::kSaveFullCount;
    m_listeners.sequenceEnded(end);
}

void PollCycle::runWatchdog()
{
    m_noConnection = m_watchdogTicks >= kWatchdogTicks;
    if (!m_noConnection)
        ++m_watchdogTicks;
}

void PollCycle::sendStatusRequest()
{
    m_port.write(LinkFrame::statusRequest().bytes());
    m_port.waitSent();
}
