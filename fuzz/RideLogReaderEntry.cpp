// The recording reader on any bytes, with the summary and the time line's
// reduction to pixel columns that the viewer runs on what it read.

#include "ColumnDecimation.h"
#include "FuzzEntries.h"
#include "FuzzInput.h"
#include "RideLog.h"
#include "RideSummary.h"

namespace {

void checkOrder(const RideLog &log)
{
    for (int i = 1; i < log.samples.size(); ++i)
        fuzz::require(log.samples[i].timeMs >= log.samples[i - 1].timeMs,
                      "recording rows out of time order");
}

void checkColumns(const RideLog &log, const TimeWindow &window)
{
    for (float RideSample::*value :
         {&RideSample::rpm, &RideSample::advance, &RideSample::supplyV}) {
        const QVector<DecimatedColumn> columns = decimate(log, value, window);
        fuzz::require(columns.size() == window.width + 2, "a column per pixel and one each side");
        for (const DecimatedColumn &column : columns)
            fuzz::require(!column.used ||
                              (column.min <= column.first && column.first <= column.max &&
                               column.min <= column.last && column.last <= column.max),
                          "a column's line leaves its range");
    }
    fuzz::require(decimateBands(log, window).size() == window.width, "a band value per pixel");
}

} // namespace

void fuzz::rideLogReader(QByteArrayView input)
{
    const QByteArray text = input.toByteArray();
    const RideLog log = RideLogReader::read(text);
    if (RideLogReader::looksLikeRecording(input.first(qMin<qsizetype>(input.size(), 4096))))
        require(log.status == RideLog::Status::Read, "a recording's header is refused");
    if (log.status != RideLog::Status::Read)
        return;
    checkOrder(log);
    require(log.skippedLines == 0 || log.firstSkippedLine >= 2, "a skipped line before the header");

    const RideSummary summary = RideSummary::of(log);
    require(summary.rows == log.samples.size(), "summary counts other rows");
    require(summary.shiftLightMs <= summary.durationMs && summary.limiterMs <= summary.durationMs,
            "time in a band longer than the ride");
    require(summary.longestGapMs <= summary.durationMs, "a gap longer than the ride");

    // A window from the input's last bytes: any zoom, also past the ride's ends.
    FuzzInput tail(input.last(qMin<qsizetype>(input.size(), 3)));
    TimeWindow window;
    window.width = 1 + tail.byte() * 4;
    window.fromMs = qint64(tail.byte()) * 997 - 5000;
    window.toMs = window.fromMs + 1 + qint64(tail.byte()) * log.durationMs() / 64;
    checkColumns(log, window);

    // The visible range written out reads back as the same rows.
    const RideLog reread = RideLogReader::read(log.csvText(0, int(log.samples.size()) - 1));
    require(reread.status == RideLog::Status::Read && reread.skippedLines == 0,
            "a written range is refused");
    require(reread.samples.size() == log.samples.size(), "a written range lost rows");
    for (int i = 0; i < log.samples.size(); ++i)
        require(reread.samples[i].timeMs == log.samples[i].timeMs &&
                    reread.samples[i].rpm == log.samples[i].rpm &&
                    reread.samples[i].bands == log.samples[i].bands,
                "a written row reads back changed");
}
