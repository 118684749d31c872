#include "MonitorCsv.h"

#include <cstdio>

namespace MonitorCsv {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr double kMillivoltsPerVolt = 1000.0;

QByteArray flag(bool on)
{
    return on ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

} // namespace

QByteArray headerLine()
{
    return QByteArrayLiteral("time,engine_rpm,advance_deg,advance_max_deg,supply_v,pickup,"
                             "basic_advance,start_limiter,limiter,shift_light,clutch_master,"
                             "retard,motor_off,kill_switch,input1,input2,polarity_negative,"
                             "polarity_ok,save_countdown,prog_count,ee_data_error,format_version,"
                             "elapsed_s") +
           kLineEnd;
}

QByteArray rowLine(const QDateTime &time, const MonitorValues &v, const QDateTime &start)
{
    const qint64 elapsedMs = start.isValid() ? start.msecsTo(time) : 0;
    // An explicit offset, so that a reader never has to guess the time zone.
    const QDateTime withOffset = time.toOffsetFromUtc(time.offsetFromUtc());
    const QList<QByteArray> fields = {
        withOffset.toString(Qt::ISODateWithMs).toLatin1(),
        QByteArray::number(v.engineSpeed),
        QByteArray::number(v.advanceNow),
        QByteArray::number(v.advanceMax),
        // QByteArray::number ignores the locale: always a '.'.
        QByteArray::number(v.supplyMv / kMillivoltsPerVolt, 'f', 3),
        flag(v.pickup),
        flag(v.basicAdvance),
        flag(v.startLimiter),
        flag(v.limiter),
        flag(v.shiftLight),
        flag(v.clutch),
        flag(v.retard),
        flag(v.blocking),
        flag(v.killSwitch),
        flag(v.input1),
        flag(v.input2),
        flag(v.polarityNegative),
        flag(v.polarityOk),
        QByteArray::number(v.saveCountdown),
        QByteArray::number(v.progCount),
        flag(v.eeDataError),
        QByteArray::number(v.formatVersion),
        QByteArray::number(elapsedMs / 1000.0, 'f', 3),
    };
    return fields.join(',') + kLineEnd;
}

} // namespace MonitorCsv

const QString MonitorCsvFile::kStandardOutput = QStringLiteral("-");

bool MonitorCsvFile::append(const QDateTime &time, const MonitorValues &values)
{
    if (!m_file.isOpen() && !(open() && writeLine(MonitorCsv::headerLine())))
        return false;
    if (!m_start.isValid())
        m_start = time;
    return writeLine(MonitorCsv::rowLine(time, values, m_start));
}

bool MonitorCsvFile::open()
{
    // Unbuffered: each line goes to the system in one write, never in part.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (m_path == kStandardOutput)
        return m_file.open(stdout, mode, QFileDevice::DontCloseHandle);
    m_file.setFileName(m_path);
    return m_file.open(mode | QIODevice::Truncate);
}

bool MonitorCsvFile::writeLine(const QByteArray &line)
{
    return m_file.write(line) == line.size() && m_file.flush();
}
