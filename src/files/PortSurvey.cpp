#include "PortSurvey.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace PortSurvey {

namespace {

// A device under any of its names (a [PORTS] entry may be a symbolic link).
QString identity(const QString &device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

Facts factsOf(const QString &device)
{
    const QFileInfo info(device);
    const QSerialPortInfo port(device);
    Facts facts;
    facts.device = device;
    // Windows ports ("COM3") are no files: the system's port list tells that
    // they are there, and it has no rights to check on them.
    facts.exists = info.exists() || !port.isNull();
    // QFileInfo asks the system (access() on Unix) for this process's read and
    // write rights, so group memberships and ACLs count as they will at open.
    facts.mayOpen = info.exists() ? info.isReadable() && info.isWritable() : facts.exists;
    facts.group = info.exists() ? info.group() : QString();
    if (!port.isNull())
        facts.description = port.description();
    return facts;
}

} // namespace

QList<Facts> survey(const Settings &settings)
{
    QList<Facts> list;
    QStringList opened;
    for (int comPort = SettingsFile::kFirstComPort; comPort <= SettingsFile::kLastComPort;
         ++comPort) {
        Facts facts = factsOf(SettingsFile::portDevice(settings, comPort));
        facts.comPort = comPort;
        facts.mapped = settings.portDevices.contains(comPort);
        opened << identity(facts.device);
        list.append(facts);
    }
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        const QString device = port.systemLocation();
        if (!opened.contains(identity(device)))
            list.append(factsOf(device));
    }
    return list;
}

} // namespace PortSurvey
