#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVector>

#include <array>

class QIODevice;

// The on/off values of a row that the time line shows as bands, in the order drawn.
enum class RideBand : int
{
    Limiter,
    StartLimiter,
    ShiftLight,
    ClutchMaster,
    KillSwitch,
    Retard,
    Input1,
    Input2,
    Count
};

// One row of a recording.
struct RideSample
{
    qint64 timeMs = 0; // since the first row
    float rpm = 0;
    float advance = 0;
    float supplyV = 0;
    quint16 bands = 0;       // bit n: RideBand n on
    qsizetype lineStart = 0; // the row's text in RideLog::text
    qsizetype lineLength = 0;

    bool band(RideBand which) const { return bands & (1u << int(which)); }
};

// A recording of live values (the CSV of MonitorCsv) as read: its rows in
// time order and what could not be read. The row text is kept, so that every
// recorded value can be shown and a range written out as it was recorded.
struct RideLog
{
    enum class Status
    {
        Read,          // rows (maybe none) were read; skipped lines say what was left out
        NotARecording, // the first line is no header of a recording
        TooLarge,      // larger than kMaxBytes: not read at all
        CannotOpen,
    };

    // Two silent seconds between rows are a gap (a lost connection), drawn as one.
    static constexpr qint64 kGapMs = 2000;
    // A 10-hour ride is about 11 MB; anything far beyond that is no ride.
    static constexpr qint64 kMaxBytes = 256ll * 1024 * 1024;

    Status status = Status::Read;
    QByteArray text;           // the file as read
    QList<QByteArray> columns; // the header's names
    QVector<RideSample> samples;
    qint64 startMsSinceEpoch = 0; // the time of the first row, when recorded
    int skippedLines = 0;
    int firstSkippedLine = 0; // 1-based, 0 when none was skipped
    qint64 fileSize = 0;      // as found, also when too large

    qint64 durationMs() const { return samples.isEmpty() ? 0 : samples.last().timeMs; }
    bool gapBefore(int index) const
    {
        return index > 0 && samples[index].timeMs - samples[index - 1].timeMs > kGapMs;
    }
    // The recorded fields of a row, in the order of columns.
    QList<QByteArray> fields(int index) const;
    // The header and the rows first..last (inclusive) as recorded.
    QByteArray csvText(int first, int last) const;
};

namespace RideLogReader {

// Whether the text starts with the header of a recording (a byte order mark
// allowed): how a recording is told from a parameter file.
bool looksLikeRecording(QByteArrayView head);
bool fileLooksLikeRecording(const QString &path);

RideLog read(QByteArray text);
// Checks the size before reading anything.
RideLog readFile(const QString &path);
RideLog readDevice(QIODevice &device);

} // namespace RideLogReader
