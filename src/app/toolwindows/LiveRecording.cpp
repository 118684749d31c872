#include "LiveRecording.h"

bool LiveRecording::take(const QDateTime &time, const MonitorValues &values)
{
    if (m_failed)
        return false;
    if (!m_file.append(time, values)) {
        m_failed = true;
        return false;
    }
    ++m_rows;
    return true;
}

QString LiveRecording::proposedPath(const QString &documents, const QDateTime &now,
                                    const QString &unit)
{
    QString safeUnit;
    for (const QChar c : unit.trimmed())
        safeUnit.append(c.isLetterOrNumber() || c == QLatin1Char('.') ? c : QLatin1Char('-'));
    QString name = QStringLiteral("ride-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    if (!safeUnit.isEmpty())
        name += QLatin1Char('-') + safeUnit;
    return documents + QLatin1Char('/') + name + QStringLiteral(".csv");
}
