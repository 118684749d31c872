#include "RideSummary.h"

namespace {

// How long row index holds: until the next row, nothing at the end or before a gap.
qint64 heldMs(const RideLog &log, int index)
{
    if (index + 1 >= log.samples.size() || log.gapBefore(index + 1))
        return 0;
    return log.samples[index + 1].timeMs - log.samples[index].timeMs;
}

} // namespace

RideSummary RideSummary::of(const RideLog &log)
{
    RideSummary summary;
    summary.rows = int(log.samples.size());
    summary.durationMs = log.durationMs();
    for (int i = 0; i < log.samples.size(); ++i) {
        const RideSample &sample = log.samples[i];
        summary.highestRpm = qMax(summary.highestRpm, sample.rpm);
        summary.lowestSupplyV =
            summary.lowestSupplyV ? qMin(*summary.lowestSupplyV, sample.supplyV) : sample.supplyV;
        if (sample.band(RideBand::ShiftLight))
            summary.shiftLightMs += heldMs(log, i);
        if (sample.band(RideBand::Limiter))
            summary.limiterMs += heldMs(log, i);
        if (log.gapBefore(i))
            summary.longestGapMs =
                qMax(summary.longestGapMs, sample.timeMs - log.samples[i - 1].timeMs);
    }
    return summary;
}

QVector<qint64> timePerPoint(const RideLog &log, int pointCount,
                             const std::function<std::optional<int>(float rpm)> &chooser)
{
    QVector<qint64> times(qMax(pointCount, 0), 0);
    for (int i = 0; i < log.samples.size(); ++i) {
        const std::optional<int> point = chooser(log.samples[i].rpm);
        if (point && *point >= 0 && *point < times.size())
            times[*point] += heldMs(log, i);
    }
    return times;
}
