#include "ColumnDecimation.h"

#include <algorithm>

int TimeWindow::column(qint64 timeMs) const
{
    const qint64 span = qMax<qint64>(toMs - fromMs, 1);
    if (timeMs < fromMs)
        return -1;
    if (timeMs >= toMs)
        return width;
    return int((timeMs - fromMs) * width / span);
}

int firstRowAtOrAfter(const RideLog &log, qint64 timeMs)
{
    const auto found = std::lower_bound(
        log.samples.cbegin(), log.samples.cend(), timeMs,
        [](const RideSample &sample, qint64 time) { return sample.timeMs < time; });
    return int(found - log.samples.cbegin());
}

namespace {

// The rows that reach into the window: one before it, those in it, one after.
std::pair<int, int> rowsReaching(const RideLog &log, const TimeWindow &window)
{
    const int first = qMax(firstRowAtOrAfter(log, window.fromMs) - 1, 0);
    const int last = qMin(firstRowAtOrAfter(log, window.toMs), int(log.samples.size()) - 1);
    return {first, last};
}

} // namespace

QVector<DecimatedColumn> decimate(const RideLog &log, float RideSample::*value,
                                  const TimeWindow &window)
{
    QVector<DecimatedColumn> columns(window.width + 2);
    const auto [first, last] = rowsReaching(log, window);
    int previousColumn = -2;
    for (int i = first; i <= last; ++i) {
        const float v = log.samples[i].*value;
        const int x = window.column(log.samples[i].timeMs);
        DecimatedColumn &column = columns[x + 1];
        if (!column.used) {
            column.used = true;
            column.joined = previousColumn > -2 && !log.gapBefore(i);
            column.first = column.min = column.max = v;
        } else if (log.gapBefore(i)) {
            // A gap inside a column: what came before it stays unjoined to what follows.
            column.joined = false;
            column.first = column.min = column.max = v;
        }
        column.min = qMin(column.min, v);
        column.max = qMax(column.max, v);
        column.last = v;
        previousColumn = x;
    }
    return columns;
}

QVector<quint16> decimateBands(const RideLog &log, const TimeWindow &window)
{
    QVector<quint16> bands(window.width, 0);
    if (log.samples.isEmpty())
        return bands;
    const auto [first, last] = rowsReaching(log, window);
    for (int i = first; i <= last; ++i) {
        const RideSample &sample = log.samples[i];
        if (!sample.bands)
            continue;
        const bool held = i + 1 < log.samples.size() && !log.gapBefore(i + 1);
        const int from = qMax(window.column(sample.timeMs), 0);
        const int to =
            qMin(held ? window.column(log.samples[i + 1].timeMs) : from, window.width - 1);
        for (int x = from; x <= to; ++x)
            bands[x] |= sample.bands;
    }
    return bands;
}
