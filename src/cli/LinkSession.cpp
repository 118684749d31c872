#include "LinkSession.h"

#include "Console.h"

namespace {

void showPhase(Phase phase)
{
    switch (phase) {
    case Phase::Read:
        console::progress(QStringLiteral("Reading..."));
        break;
    case Phase::Program:
        console::progress(QStringLiteral("Programming..."));
        break;
    case Phase::Verify:
        console::progress(QStringLiteral("Verifying..."));
        break;
    }
}

} // namespace

LinkSession::LinkSession(const QString &device) : m_device(device)
{
    m_link.addListener(*this);
    // The window's pace: the protocol counts time in these ticks.
    m_timer.setInterval(PollCycle::kTickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { m_link.tick(); });
    QObject::connect(&m_signals, &TerminationSignals::terminationRequested, [this] {
        m_interrupted = true;
        m_loop.exit();
    });
}

LinkSession::~LinkSession()
{
    m_link.closeComPort();
}

bool LinkSession::open()
{
    if (m_link.openComPort(PollCycle::kFirstComPort, m_device))
        return true;
    console::error(QStringLiteral("cannot open the port %1: %2").arg(m_device, m_link.portError()));
    return false;
}

std::optional<SequenceEnd> LinkSession::runSequence(SequenceKind kind, ParameterSet &set)
{
    if (m_interrupted)
        return std::nullopt;
    m_end.reset();
    m_programCut = false;
    showPhase(firstPhase(kind));
    switch (kind) {
    case SequenceKind::Read:
        m_link.startRead(set);
        break;
    case SequenceKind::Program:
        m_link.startProgram(set);
        break;
    case SequenceKind::Verify:
        m_link.startVerify(set);
        break;
    case SequenceKind::ReadOnly:
        m_link.startReadOnly(set);
        break;
    }
    m_timer.start();
    m_loop.exec();
    m_timer.stop();
    return m_interrupted ? std::nullopt : m_end;
}

LinkSession::WatchEnd
LinkSession::watchStatus(const std::function<bool(const MonitorValues &)> &take, bool waitForDevice)
{
    if (m_interrupted)
        return WatchEnd::Interrupted;
    m_waitForDevice = waitForDevice;
    m_statusTaker = take;
    m_watchEnd.reset();
    m_timer.start();
    m_loop.exec();
    m_timer.stop();
    m_statusTaker = nullptr;
    return m_interrupted ? WatchEnd::Interrupted : m_watchEnd.value_or(WatchEnd::NoConnection);
}

void LinkSession::statusTaken(const MonitorValues &values)
{
    if (m_statusTaker && !m_watchEnd && !m_statusTaker(values))
        endWatch(WatchEnd::Done);
}

void LinkSession::phaseChanged(Phase phase)
{
    showPhase(phase);
}

void LinkSession::sequenceEnded(const SequenceEnd &end)
{
    m_end = end;
    m_loop.exit();
}

void LinkSession::tickEnded()
{
    if (m_ticksSinceBack < PollCycle::kWatchdogTicks) {
        ++m_ticksSinceBack;
        return;
    }
    if (m_statusTaker && !m_watchEnd && !m_link.deviceLost() && m_link.noConnection())
        endWatch(WatchEnd::NoConnection);
}

// A running sequence ends right after, failed.
void LinkSession::portLost(const QString &devicePath)
{
    m_programCut = m_link.programReachedUnit();
    if (!m_statusTaker || m_watchEnd)
        return;
    if (!m_waitForDevice) {
        endWatch(WatchEnd::DeviceLost);
        return;
    }
    console::progress(QStringLiteral("%1 was disconnected; waiting for it").arg(devicePath));
}

void LinkSession::portBack(const QString &devicePath)
{
    m_ticksSinceBack = 0;
    console::progress(QStringLiteral("%1 is connected again").arg(devicePath));
}

void LinkSession::endWatch(WatchEnd end)
{
    m_watchEnd = end;
    m_loop.exit();
}
