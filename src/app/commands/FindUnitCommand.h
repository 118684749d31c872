#pragma once

#include "UnitProbe.h"

#include <QObject>

class ComPortCommands;
class PollCycle;
class QStatusBar;
class QWidget;
class WindowState;

// Com -> "Find unit": asks every serial device at once whether the unit
// answers on it. The one unit that answers becomes the checked Com item's
// device and is opened; with several, or none, the device dialog shows what
// each device said and the user chooses.
class FindUnitCommand : public QObject
{
    Q_OBJECT

public:
    FindUnitCommand(QWidget &window, QStatusBar &statusBar, ComPortCommands &ports, PollCycle &link,
                    const WindowState &state);

    void setPortAccessCheck(PortSurvey::AccessCheck check);
    void find();
    bool searching() const { return m_probe.running(); }

signals:
    // The search ended: a device was given to the Com item, or the old one reopened.
    void searchEnded();

private:
    void searched();
    QString answerText(const ProbeResult &result) const;

    QWidget &m_window;
    QStatusBar &m_statusBar;
    ComPortCommands &m_ports;
    PollCycle &m_link;
    const WindowState &m_state;
    PortSurvey::AccessCheck m_check = deviceAccess;
    UnitProbe m_probe;
};
