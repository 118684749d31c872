#pragma once

#include "LinkListener.h"
#include "MonitorValues.h"
#include "PollCycle.h"
#include "SerialPort.h"
#include "TerminationSignals.h"

#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <optional>

// The link to the unit for one command: the port, the poll cycle driven by a
// 55 ms timer as in the window, and Ctrl+C or SIGTERM, which ends whatever
// runs and closes the port. Progress goes to standard error.
class LinkSession : public LinkListener
{
public:
    explicit LinkSession(const QString &device);
    ~LinkSession() override;

    // Opens the port; reported when it will not open.
    bool open();

    // Runs the sequence on set to its end; none when interrupted.
    std::optional<SequenceEnd> runSequence(SequenceKind kind, ParameterSet &set);

    enum class WatchEnd
    {
        Done,         // the taker asked for no more
        Interrupted,  // Ctrl+C or SIGTERM
        NoConnection, // no answer for the watchdog's time
        DeviceLost,   // the port's device went away
    };
    // Hands every status answer to take until it returns false. With
    // waitForDevice a device that goes away is waited for, and the answers
    // go on when it is back.
    WatchEnd watchStatus(const std::function<bool(const MonitorValues &)> &take,
                         bool waitForDevice = false);

    const QString &device() const { return m_device; }
    // The last Program was cut short, interrupted or by its device going
    // away, after it had sent page 1: the unit may hold the new set unverified.
    bool programCutShort() const { return m_programCut || m_link.programReachedUnit(); }

private:
    void statusTaken(const MonitorValues &values) override;
    void phaseChanged(Phase phase) override;
    void sequenceEnded(const SequenceEnd &end) override;
    void tickEnded() override;
    void portLost(const QString &devicePath) override;
    void portBack(const QString &devicePath) override;
    void endWatch(WatchEnd end);

    QString m_device;
    SerialPort m_port;
    PollCycle m_link{m_port};
    QTimer m_timer;
    QEventLoop m_loop;
    TerminationSignals m_signals;
    bool m_interrupted = false;

    std::optional<SequenceEnd> m_end;
    std::function<bool(const MonitorValues &)> m_statusTaker; // set while watching
    std::optional<WatchEnd> m_watchEnd;
    bool m_waitForDevice = false;
    bool m_programCut = false;
    int m_ticksSinceBack = PollCycle::kWatchdogTicks; // the watchdog counted while it was away
};
