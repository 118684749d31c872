#pragma once

#include "MonitorValues.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Live values as CSV (RFC 4180: comma separated, CR LF line ends, a header
// row), with '.' as the decimal point whatever the locale and the time in
// ISO 8601 with milliseconds and the offset from UTC; the last column,
// elapsed_s, counts seconds from the recording's first row for plotting. Every
// tool that records live values writes these columns, new ones only at the end.
namespace MonitorCsv {

QByteArray headerLine();
// start: the time of the recording's first row (the row's own time for the first).
QByteArray rowLine(const QDateTime &time, const MonitorValues &values, const QDateTime &start = {});

} // namespace MonitorCsv

// A CSV recording on a file, or on standard output for "-". Each line is
// written whole and flushed, so an interrupted recording keeps every complete
// line. The file is created (or an existing one replaced) only when the first
// row comes, so a recording that never starts leaves an existing file as it was.
class MonitorCsvFile
{
public:
    static const QString kStandardOutput; // "-"

    explicit MonitorCsvFile(const QString &path) : m_path(path) {}

    // Writes the header first if this is the first row; false when the file
    // cannot be opened or written (errorString() says why).
    bool append(const QDateTime &time, const MonitorValues &values);
    QString errorString() const { return m_file.errorString(); }

private:
    bool open();
    bool writeLine(const QByteArray &line);

    QString m_path;
    QFile m_file;
    QDateTime m_start;
};
