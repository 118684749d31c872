#include "PortSurvey.h"

#include <QMap>
#include <QSerialPortInfo>

namespace {

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

void addAccess(PortFacts &facts, const QStringList &comDevices,
               const PortSurvey::AccessCheck &check)
{
    for (int i = 0; i < comDevices.size(); ++i) {
        if (comDevices[i] == facts.path)
            facts.comItems.append(i + 1);
    }
    const DeviceAccess access = check(facts.path);
    facts.exists = access.exists;
    facts.mayOpen = access.exists && access.mayOpen;
    facts.group = access.group;
}

} // namespace

QList<PortFacts> PortSurvey::survey(const QStringList &comDevices, const QStringList &mapped) const
{
    QMap<QString, PortFacts> byPath;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortFacts facts;
        facts.path = info.systemLocation();
        facts.description = info.description();
        facts.manufacturer = info.manufacturer();
        facts.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            facts.vendorProduct =
                hex4(info.vendorIdentifier()) + QLatin1Char(':') + hex4(info.productIdentifier());
        byPath.insert(facts.path, facts);
    }
    for (const QString &path : mapped) {
        if (!path.isEmpty() && !byPath.contains(path))
            byPath.insert(path, PortFacts{path});
    }
    QList<PortFacts> found;
    for (PortFacts &facts : byPath) {
        addAccess(facts, comDevices, m_check);
        found.append(facts);
    }
    return found;
}

PortFacts PortSurvey::facts(const QString &path, const QStringList &comDevices) const
{
    PortFacts facts{path};
    addAccess(facts, comDevices, m_check);
    return facts;
}
