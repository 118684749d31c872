#include "RideLog.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <optional>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr qint64 kMsPerDay = 24ll * 3600 * 1000;

// The columns the reader uses; any other column is kept for the value table only.
struct ColumnIndex
{
    int time = -1;
    int elapsed = -1; // seconds since the start, when the recorder wrote them
    int rpm = -1;
    int advance = -1;
    int supply = -1;
    std::array<int, int(RideBand::Count)> bands{};
};

// Header names of the bands, in the order of RideBand.
constexpr const char *kBandColumns[] = {"limiter",       "start_limiter", "shift_light",
                                        "clutch_master", "kill_switch",   "retard",
                                        "input1",        "input2"};
static_assert(std::size(kBandColumns) == size_t(RideBand::Count), "a column for every band");

QByteArrayView withoutByteOrderMark(QByteArrayView text)
{
    return text.startsWith(kByteOrderMark) ? text.sliced(3) : text;
}

QByteArrayView firstLine(QByteArrayView text)
{
    const qsizetype end = text.indexOf('\n');
    QByteArrayView line = end < 0 ? text : text.first(end);
    return line.endsWith('\r') ? line.chopped(1) : line;
}

QList<QByteArrayView> splitFields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype from = 0;
    for (;;) {
        const qsizetype comma = line.indexOf(',', from);
        if (comma < 0) {
            fields.append(line.sliced(from));
            return fields;
        }
        fields.append(line.sliced(from, comma - from));
        from = comma + 1;
    }
}

std::optional<ColumnIndex> columnIndex(const QList<QByteArrayView> &names)
{
    ColumnIndex index;
    index.bands.fill(-1);
    auto find = [&names](QByteArrayView name) {
        for (int i = 0; i < names.size(); ++i) {
            if (names[i] == name)
                return i;
        }
        return -1;
    };
    index.time = find("time");
    index.elapsed = find("elapsed_s");
    index.rpm = find("engine_rpm");
    index.advance = find("advance_deg");
    index.supply = find("supply_v");
    for (int band = 0; band < int(RideBand::Count); ++band)
        index.bands[band] = find(kBandColumns[band]);
    if (index.rpm < 0 || (index.time < 0 && index.elapsed < 0))
        return std::nullopt;
    return index;
}

std::optional<int> digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return std::nullopt;
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
qint64 daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra - 719468;
}

// The recorder's time, "2026-12-08T23:15:01.123+01:00" (or Z), as milliseconds
// since the epoch. Written by hand: QDateTime's parser would take most of the
// time a long recording needs to open.
std::optional<qint64> parseTime(QByteArrayView text)
{
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2), minute = digits(text, 14, 2),
               second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12 ||
        *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 60)
        return std::nullopt;
    qsizetype pos = 19;
    int ms = 0;
    if (pos < text.size() && text[pos] == '.') {
        const auto fraction = digits(text, pos + 1, 3);
        if (!fraction)
            return std::nullopt;
        ms = *fraction;
        pos += 4;
    }
    int offsetMinutes = 0;
    if (pos < text.size() && text[pos] == 'Z') {
        ++pos;
    } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        const auto offsetHours = digits(text, pos + 1, 2);
        const auto offsetMins = digits(text, pos + 4, 2);
        if (!offsetHours || !offsetMins || text[pos + 3] != ':' || *offsetHours > 23 ||
            *offsetMins > 59)
            return std::nullopt;
        offsetMinutes = (*offsetHours * 60 + *offsetMins) * (text[pos] == '-' ? -1 : 1);
        pos += 6;
    }
    if (pos != text.size())
        return std::nullopt;
    const qint64 seconds = ((*hour * 60) + *minute) * 60 + *second - offsetMinutes * 60;
    return daysFromCivil(*year, *month, *day) * kMsPerDay + seconds * 1000 + ms;
}

// A plain decimal number as the recorder writes one; no NaN, no infinity, no exponent games.
std::optional<double> parseNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 24)
        return std::nullopt;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

class Parser
{
public:
    Parser(RideLog &log, const ColumnIndex &index, int columnCount)
        : m_log(log), m_index(index), m_columnCount(columnCount)
    {
    }

    // One data line; false when it is no row of this recording.
    bool take(QByteArrayView line, qsizetype lineStart)
    {
        const QList<QByteArrayView> fields = splitFields(line);
        if (fields.size() != m_columnCount)
            return false;
        const std::optional<qint64> time = rowTime(fields);
        const std::optional<double> rpm = parseNumber(fields[m_index.rpm]);
        if (!time || !rpm)
            return false;
        RideSample sample;
        sample.rpm = float(*rpm);
        if (!optionalNumber(fields, m_index.advance, sample.advance) ||
            !optionalNumber(fields, m_index.supply, sample.supplyV))
            return false;
        for (int band = 0; band < int(RideBand::Count); ++band) {
            const int column = m_index.bands[band];
            if (column < 0)
                continue;
            const QByteArrayView flag = fields[column];
            if (flag == "1")
                sample.bands |= quint16(1u << band);
            else if (flag != "0")
                return false;
        }
        if (m_log.samples.isEmpty()) {
            m_origin = *time;
            m_log.startMsSinceEpoch =
                m_index.time >= 0 ? parseTime(fields[m_index.time]).value_or(0) : 0;
        }
        sample.timeMs = *time - m_origin;
        // Time only goes forward: a row from before the last one is not of this ride.
        if (sample.timeMs < 0 ||
            (!m_log.samples.isEmpty() && sample.timeMs < m_log.samples.last().timeMs))
            return false;
        sample.lineStart = lineStart;
        sample.lineLength = line.size();
        m_log.samples.append(sample);
        return true;
    }

private:
    std::optional<qint64> rowTime(const QList<QByteArrayView> &fields) const
    {
        if (m_index.elapsed >= 0) {
            const std::optional<double> seconds = parseNumber(fields[m_index.elapsed]);
            // Up to about 30 years of seconds: beyond that the milliseconds would not fit.
            if (!seconds || *seconds < 0 || *seconds > 1e9)
                return std::nullopt;
            return qint64(std::llround(*seconds * 1000));
        }
        return parseTime(fields[m_index.time]);
    }

    static bool optionalNumber(const QList<QByteArrayView> &fields, int column, float &value)
    {
        if (column < 0)
            return true;
        const std::optional<double> number = parseNumber(fields[column]);
        if (!number || std::fabs(*number) > 1e7)
            return false;
        value = float(*number);
        return true;
    }

    RideLog &m_log;
    const ColumnIndex &m_index;
    const int m_columnCount;
    qint64 m_origin = 0;
};

} // namespace

QList<QByteArray> RideLog::fields(int index) const
{
    QList<QByteArray> result;
    if (index < 0 || index >= samples.size())
        return result;
    const RideSample &sample = samples[index];
    for (const QByteArrayView field :
         splitFields(QByteArrayView(text).sliced(sample.lineStart, sample.lineLength)))
        result.append(field.toByteArray());
    return result;
}

QByteArray RideLog::csvText(int first, int last) const
{
    QByteArray csv = columns.join(',') + "\r\n";
    first = qMax(first, 0);
    last = qMin(last, int(samples.size()) - 1);
    for (int i = first; i <= last; ++i) {
        csv += QByteArrayView(text).sliced(samples[i].lineStart, samples[i].lineLength);
        csv += "\r\n";
    }
    return csv;
}

namespace RideLogReader {

bool looksLikeRecording(QByteArrayView head)
{
    const QByteArrayView text = withoutByteOrderMark(head);
    // The first line must be whole within the head to be judged.
    if (text.indexOf('\n') < 0 && text.size() >= 4096)
        return false;
    return columnIndex(splitFields(firstLine(text))).has_value();
}

bool fileLooksLikeRecording(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) &&
           looksLikeRecording(file.read(4096));
}

RideLog read(QByteArray text)
{
    RideLog log;
    log.fileSize = text.size();
    log.text = std::move(text);
    const QByteArrayView all(log.text);
    const qsizetype bodyStart = all.size() - withoutByteOrderMark(all).size();
    const QByteArrayView header = firstLine(all.sliced(bodyStart));
    const QList<QByteArrayView> names = splitFields(header);
    const std::optional<ColumnIndex> index = columnIndex(names);
    if (!index) {
        log.status = RideLog::Status::NotARecording;
        return log;
    }
    for (const QByteArrayView name : names)
        log.columns.append(name.toByteArray());

    Parser parser(log, *index, int(names.size()));
    qsizetype pos = all.indexOf('\n', bodyStart);
    int lineNumber = 1;
    while (pos >= 0 && pos + 1 < all.size()) {
        const qsizetype start = pos + 1;
        pos = all.indexOf('\n', start);
        QByteArrayView line = all.sliced(start, (pos < 0 ? all.size() : pos) - start);
        if (line.endsWith('\r'))
            line.chop(1);
        ++lineNumber;
        if (line.isEmpty() || parser.take(line, start))
            continue;
        if (log.skippedLines++ == 0)
            log.firstSkippedLine = lineNumber;
    }
    return log;
}

RideLog readDevice(QIODevice &device)
{
    const qint64 size = device.size();
    if (size > RideLog::kMaxBytes) {
        RideLog log;
        log.status = RideLog::Status::TooLarge;
        log.fileSize = size;
        return log;
    }
    // A device that grows while read is cut at the limit.
    return read(device.read(RideLog::kMaxBytes));
}

RideLog readFile(const QString &path)
{
    // Sized before anything is read; a pipe or a device could block the open itself.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > RideLog::kMaxBytes) {
        RideLog log;
        log.status = RideLog::Status::TooLarge;
        log.fileSize = info.size();
        return log;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        RideLog log;
        log.status = RideLog::Status::CannotOpen;
        return log;
    }
    return readDevice(file);
}

} // namespace RideLogReader
