#pragma once

#include "RideLog.h"

#include <QVector>

#include <functional>
#include <optional>

// The figures of a ride: how long, how many rows, how hard, how well supplied.
// Time with a band on counts from its row to the next one, never across a gap.
struct RideSummary
{
    qint64 durationMs = 0;
    int rows = 0;
    float highestRpm = 0;
    qint64 shiftLightMs = 0;
    qint64 limiterMs = 0;
    std::optional<float> lowestSupplyV; // none without rows
    qint64 longestGapMs = 0;            // the longest silent stretch, or 0

    static RideSummary of(const RideLog &log);
};

// How long the engine ran at each curve point: the chooser names the point
// in use at a speed (or none); a row counts until the next, never across a gap.
QVector<qint64> timePerPoint(const RideLog &log, int pointCount,
                             const std::function<std::optional<int>(float rpm)> &chooser);
