#pragma once

#include "OutputQueue.h"
#include "UnitLine.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class Pty;
class QSocketNotifier;

// The simulated unit on its line: takes requests from the pseudo-terminal,
// answers them through the fault injector, and logs each one when asked to.
class SimSession : public QObject
{
    Q_OBJECT

public:
    using Log = std::function<void(const QString &)>;

    SimSession(Pty &pty, const UnitOptions &unit, quint32 seed, Log log, QObject *parent = nullptr);

    UnitModel &unit() { return m_line.unit(); }
    EngineModel &engine() { return m_line.engine(); }
    FaultInjector &faults() { return m_line.faults(); }
    qint64 now() const { return m_clock.elapsed(); }
    void setVerbose(bool verbose) { m_verbose = verbose; }
    // The line is pulled out: nothing is read until attach(), after the
    // pseudo-terminal has opened again.
    void detach();
    void attach();

private:
    void receive();

    Pty &m_pty;
    QElapsedTimer m_clock;
    UnitLine m_line;
    OutputQueue m_output;
    QSocketNotifier *m_notifier = nullptr;
    Log m_log;
    bool m_verbose = false;
};
