#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class EngineModel;
class FaultInjector;
class UnitModel;

// The run-time control of the simulator, one text command per line:
//   rpm N | sweep MIN:MAX:SECONDS | supply MV | ripple MV | input1 on|off | input2 on|off
//   pickup positive|negative | fault silent on|off | fault first-silent N | fault drop PCT
//   fault flip PCT | fault garbage on|off | fault split N | fault late MS | fault none
//   show | quit
// (unplug and plug belong to PlugSwitch.) show also tells the stored parameter page, so a test can
// check what the unit holds.
class ControlCommands
{
public:
    struct Result
    {
        QString reply; // "OK ..." or "ERROR ..."
        bool quit = false;
    };

    ControlCommands(EngineModel &engine, FaultInjector &faults, const UnitModel &unit)
        : m_engine(engine), m_faults(faults), m_unit(unit)
    {
    }

    Result execute(const QString &line, qint64 nowMs);

private:
    QString fault(const QStringList &words);
    QByteArray storedPage1() const;

    EngineModel &m_engine;
    FaultInjector &m_faults;
    const UnitModel &m_unit;
};
