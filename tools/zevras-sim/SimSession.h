#pragma once

#include "EngineModel.h"
#include "FaultInjector.h"
#include "FrameAssembler.h"
#include "OutputQueue.h"
#include "UnitModel.h"

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

    UnitModel &unit() { return m_unit; }
    EngineModel &engine() { return m_engine; }
    FaultInjector &faults() { return m_faults; }
    qint64 now() const { return m_clock.elapsed(); }
    void setVerbose(bool verbose) { m_verbose = verbose; }
    // The line is pulled out: nothing is read until attach(), after the
    // pseudo-terminal has opened again.
    void detach();
    void attach();

private:
    // What the status answer's test values count.
    enum TestValue
    {
        Requests,
        BadBytes,
        Answers,
        Withheld,
        Uptime
    };

    void receive();
    void handle(const Frame &request);
    void logRequest(const QString &text);

    Pty &m_pty;
    QElapsedTimer m_clock;
    UnitModel m_unit;
    EngineModel m_engine;
    FaultInjector m_faults;
    FrameAssembler m_assembler;
    OutputQueue m_output;
    QSocketNotifier *m_notifier = nullptr;
    Log m_log;
    bool m_verbose = false;
    std::array<quint16, wire::status::TEST_VALUE_COUNT> m_testValues{};
};
