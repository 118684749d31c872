#pragma once

#include "DeviceAccess.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One serial device as the port survey found it.
struct PortFacts
{
    QString path; // the device file, e.g. /dev/ttyUSB0
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString vendorProduct; // USB "vvvv:pppp" in hex; empty for other devices
    QList<int> comItems;   // the Com items (1..10) that open it
    bool exists = false;
    bool mayOpen = false;
    QString group; // the group owning the device file
};

// The serial devices the system lists, together with every device the Com
// items are mapped to explicitly, each with what the user needs to know to
// open it. Plain facts: the window and the command line word them.
class PortSurvey
{
public:
    using AccessCheck = std::function<DeviceAccess(const QString &path)>;

    // The check is the seam for tests: permissions cannot be taken from root.
    explicit PortSurvey(AccessCheck check = deviceAccess) : m_check(std::move(check)) {}

    // comDevices holds the device of each Com item, Com 1 first; mapped the
    // devices that the settings name, shown even where the system does not
    // list them (a pseudo-terminal, an unplugged adapter). Sorted by path.
    QList<PortFacts> survey(const QStringList &comDevices, const QStringList &mapped) const;

    // The facts of one device path, whether or not the system lists it.
    PortFacts facts(const QString &path, const QStringList &comDevices) const;

private:
    AccessCheck m_check;
};
