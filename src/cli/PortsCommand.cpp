#include "Commands.h"

#include "ConfigPaths.h"
#include "Console.h"
#include "ExitStatus.h"
#include "PortSurvey.h"
#include "SettingsFile.h"

#include <QHash>

namespace commands {

namespace {

QString accessText(const PortFacts &facts)
{
    if (!facts.exists)
        return QStringLiteral("missing");
    if (facts.mayOpen)
        return QStringLiteral("present  may open");
    if (facts.group.isEmpty())
        return QStringLiteral("present  no access");
    return QStringLiteral("present  no access: join group %1").arg(facts.group);
}

struct PortLine
{
    QString item;
    PortFacts facts;
    QStringList notes;
};

} // namespace

// One line per port, COM1 to COM10 first, then the serial devices that no Com
// item opens: the item, the device, whether it is there and may be opened,
// then where the mapping comes from and what the system calls it.
int ports()
{
    const Settings settings = SettingsFile::load(ConfigPaths::settingsFile());
    QStringList comDevices;
    for (int com = SettingsFile::kFirstComPort; com <= SettingsFile::kLastComPort; ++com)
        comDevices << SettingsFile::portDevice(settings, com);
    const PortSurvey survey;
    QHash<QString, PortFacts> listed;
    for (const PortFacts &facts : survey.survey(comDevices, settings.portDevices.values()))
        listed.insert(facts.path, facts);

    QList<PortLine> lines;
    for (int i = 0; i < comDevices.size(); ++i) {
        const QString &device = comDevices[i];
        const int com = SettingsFile::kFirstComPort + i;
        PortLine line{QStringLiteral("COM%1").arg(com),
                      listed.value(device, survey.facts(device, comDevices)),
                      {}};
        if (settings.portDevices.contains(com))
            line.notes << QStringLiteral("[PORTS]");
        lines.append(line);
    }
    for (const PortFacts &facts : listed) {
        if (facts.comItems.isEmpty())
            lines.append({QStringLiteral("-"), facts, {QStringLiteral("no Com item")}});
    }

    int deviceColumns = 0;
    for (const PortLine &line : lines)
        deviceColumns = qMax(deviceColumns, int(line.facts.path.size()));
    for (PortLine &line : lines) {
        if (!line.facts.description.isEmpty())
            line.notes << line.facts.description;
        QString text = line.item.leftJustified(6) + line.facts.path.leftJustified(deviceColumns) +
                       QStringLiteral("  ") + accessText(line.facts);
        if (!line.notes.isEmpty())
            text +=
                QStringLiteral("  (") + line.notes.join(QStringLiteral(", ")) + QLatin1Char(')');
        console::out(text);
    }
    return kDone;
}

} // namespace commands
