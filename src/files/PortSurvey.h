#pragma once

#include "SettingsFile.h"

#include <QList>
#include <QString>

// What the serial ports look like to this user: the device each COM item
// opens, whether it is there and whether this user may open it. Kept apart
// from the settings code since it needs the serial-port module.
namespace PortSurvey {

struct Facts
{
    int comPort = 0; // 1..10; 0 for a serial device that no COM item opens
    QString device;
    bool mapped = false; // named in [PORTS] rather than the platform default
    bool exists = false;
    bool mayOpen = false; // readable and writable by this user
    QString group;        // the group that owns the device, to join when mayOpen is false
    QString description;  // what the system calls the device, when it knows
};

// COM1..COM10 in order, then the serial devices the system lists that none
// of them opens.
QList<Facts> survey(const Settings &settings);

} // namespace PortSurvey
