#pragma once

#include "MonitorCsv.h"

#include <QString>

// A recording of live values into a CSV file, one row per status answer, in
// the columns every tool writes (MonitorCsv). It ends at the first failed
// write; the rows written before stay in the file, whole.
class LiveRecording
{
public:
    explicit LiveRecording(const QString &path) : m_path(path), m_file(path) {}

    // The name the record dialog proposes: in the user's documents folder,
    // by date, time and unit ("ride-2026-12-08-2315-SIL13.csv").
    static QString proposedPath(const QString &documents, const QDateTime &now,
                                const QString &unit);

    // False when the row could not be written; the recording is then over.
    bool take(const QDateTime &time, const MonitorValues &values);

    const QString &path() const { return m_path; }
    int rows() const { return m_rows; }
    bool failed() const { return m_failed; }
    QString errorString() const { return m_file.errorString(); }

private:
    QString m_path;
    MonitorCsvFile m_file;
    int m_rows = 0;
    bool m_failed = false;
};
