#pragma once

#include "EngineModel.h"
#include "FaultInjector.h"
#include "FrameAssembler.h"
#include "UnitModel.h"

#include <QList>

#include <functional>

// The simulated unit at the end of its line, whatever carries the bytes (a
// pseudo-terminal, or a port inside a test): takes request bytes as they
// arrive and says what goes back on the line, through the fault injector.
// The time is the caller's, in milliseconds from its start.
class UnitLine
{
public:
    using Log = std::function<void(const QString &)>;

    UnitLine(const UnitOptions &unit, quint32 seed);

    UnitModel &unit() { return m_unit; }
    const UnitModel &unit() const { return m_unit; }
    EngineModel &engine() { return m_engine; }
    FaultInjector &faults() { return m_faults; }
    // Gets a line for each request and each frame thrown away.
    void setLog(Log log) { m_log = std::move(log); }

    // The bytes received at nowMs; returns the answers to send, in order.
    QList<Delivery> receive(const QByteArray &bytes, qint64 nowMs);

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

    std::optional<Delivery> handle(const Frame &request, qint64 nowMs);
    void log(const QString &text);

    UnitModel m_unit;
    EngineModel m_engine;
    FaultInjector m_faults;
    FrameAssembler m_assembler;
    Log m_log;
    std::array<quint16, wire::status::TEST_VALUE_COUNT> m_testValues{};
};
