#include "Commands.h"

#include "Console.h"
#include "ExitStatus.h"
#include "UnitSearch.h"

#include <QElapsedTimer>

namespace commands {

// One line per device asked: the Com items that open it, the device, what
// it said. Exit status 0 when a unit answered, else 3.
int probePorts()
{
    QElapsedTimer clock;
    clock.start();
    const QList<ProbeResult> results = unitsearch::search();
    const qint64 took = clock.elapsed();

    int deviceColumns = 0;
    for (const ProbeResult &result : results)
        deviceColumns = qMax(deviceColumns, int(result.facts.path.size()));
    for (const ProbeResult &result : results) {
        QStringList items;
        for (int item : result.facts.comItems)
            items << QStringLiteral("COM%1").arg(item);
        const QString item = items.isEmpty() ? QStringLiteral("-") : items.join(QLatin1Char(','));
        console::out(item.leftJustified(6) + QLatin1Char(' ') +
                     result.facts.path.leftJustified(deviceColumns) + QStringLiteral("  ") +
                     unitsearch::stateText(result));
    }
    console::progress(QStringLiteral("asked %1 devices in %2 ms").arg(results.size()).arg(took));
    return UnitProbe::answering(results).isEmpty() ? kLinkFailed : kDone;
}

} // namespace commands
