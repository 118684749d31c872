#pragma once

#include "RideLog.h"

#include <QVector>

// A value of a recording reduced to the pixel columns of a drawing, so that a
// repaint draws at most one line segment a column however many rows a column
// holds. Columns run from -1 to width (index x + 1): the rows just outside the
// visible time range come in at the edges, so lines run to the border.
struct DecimatedColumn
{
    bool used = false;
    bool joined = false; // a line comes from the previous used column (no gap between)
    float first = 0, last = 0, min = 0, max = 0;
};

struct TimeWindow
{
    qint64 fromMs = 0;
    qint64 toMs = 1; // after fromMs
    int width = 1;   // pixel columns

    // The column of a time, limited to -1..width.
    int column(qint64 timeMs) const;
};

// value picks the number drawn (rpm, advance or supply).
QVector<DecimatedColumn> decimate(const RideLog &log, float RideSample::*value,
                                  const TimeWindow &window);

// The bands on anywhere in each column 0..width-1 (bit n: RideBand n); a row
// holds until the next one, never across a gap.
QVector<quint16> decimateBands(const RideLog &log, const TimeWindow &window);

// The first row at or after the time, or the row count.
int firstRowAtOrAfter(const RideLog &log, qint64 timeMs);
