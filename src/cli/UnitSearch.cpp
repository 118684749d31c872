#include "UnitSearch.h"

#include "ConfigPaths.h"
#include "Console.h"
#include "SettingsFile.h"

#include <QEventLoop>

namespace unitsearch {

QList<ProbeResult> search()
{
    const Settings settings = SettingsFile::load(ConfigPaths::settingsFile());
    QStringList comDevices;
    for (int com = SettingsFile::kFirstComPort; com <= SettingsFile::kLastComPort; ++com)
        comDevices << SettingsFile::portDevice(settings, com);
    UnitProbe probe;
    QEventLoop loop;
    QObject::connect(&probe, &UnitProbe::finished, &loop, &QEventLoop::quit);
    probe.start(probe.candidates(comDevices, settings.portDevices.values()));
    loop.exec();
    return probe.results();
}

std::optional<QString> findUnit()
{
    const QList<ProbeResult> results = search();
    const QList<ProbeResult> units = UnitProbe::answering(results);
    if (units.isEmpty()) {
        console::error(QStringLiteral("--port auto: no unit answered on any of the %1 serial "
                                      "devices (zevras-cli ports --probe tells why)")
                           .arg(results.size()));
        return std::nullopt;
    }
    QStringList others;
    for (const ProbeResult &unit : units.mid(1))
        others << unit.facts.path;
    QString line = QStringLiteral("found the unit on %1 (%2)")
                       .arg(units.first().facts.path, stateText(units.first()));
    if (!others.isEmpty())
        line += QStringLiteral("; units answer on %1 too").arg(others.join(QStringLiteral(", ")));
    console::progress(line);
    return units.first().facts.path;
}

QString stateText(const ProbeResult &result)
{
    using State = ProbeResult::State;
    switch (result.state) {
    case State::Answering: {
        const QString name =
            result.programName.isEmpty() ? QStringLiteral("program not named") : result.programName;
        return QStringLiteral("answering: %1, data version %2").arg(name).arg(result.dataVersion);
    }
    case State::Silent:
        return QStringLiteral("silent");
    case State::Busy:
        return QStringLiteral("busy: another program has it open");
    case State::NotPermitted:
        if (result.facts.group.isEmpty())
            return QStringLiteral("not permitted");
        return QStringLiteral("not permitted: join group %1 (sudo usermod -aG %1 $USER, "
                              "then log out and in again)")
            .arg(result.facts.group);
    case State::Missing:
        return QStringLiteral("missing");
    case State::Failed:
        break;
    }
    return QStringLiteral("will not open: %1").arg(result.error);
}

} // namespace unitsearch
