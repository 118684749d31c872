#include "Commands.h"

#include "ConfigPaths.h"
#include "Console.h"
#include "ExitStatus.h"
#include "PortSurvey.h"

namespace commands {

namespace {

QString accessText(const PortSurvey::Facts &facts)
{
    if (!facts.exists)
        return QStringLiteral("missing");
    if (facts.mayOpen)
        return QStringLiteral("present  may open");
    if (facts.group.isEmpty())
        return QStringLiteral("present  no access");
    return QStringLiteral("present  no access: join group %1").arg(facts.group);
}

} // namespace

// One line per port: the item, the device, whether it is there and may be
// opened, then where the mapping comes from and what the system calls it.
int ports()
{
    const QList<PortSurvey::Facts> survey =
        PortSurvey::survey(SettingsFile::load(ConfigPaths::settingsFile()));
    int deviceColumns = 0;
    for (const PortSurvey::Facts &facts : survey)
        deviceColumns = qMax(deviceColumns, int(facts.device.size()));
    for (const PortSurvey::Facts &facts : survey) {
        const QString item =
            facts.comPort ? QStringLiteral("COM%1").arg(facts.comPort) : QStringLiteral("-");
        QStringList notes;
        if (facts.mapped)
            notes << QStringLiteral("[PORTS]");
        else if (!facts.comPort)
            notes << QStringLiteral("no Com item");
        if (!facts.description.isEmpty())
            notes << facts.description;
        QString line = item.leftJustified(6) + facts.device.leftJustified(deviceColumns) +
                       QStringLiteral("  ") + accessText(facts);
        if (!notes.isEmpty())
            line += QStringLiteral("  (") + notes.join(QStringLiteral(", ")) + QLatin1Char(')');
        console::out(line);
    }
    return kDone;
}

} // namespace commands
