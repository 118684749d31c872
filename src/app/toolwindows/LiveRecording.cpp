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
