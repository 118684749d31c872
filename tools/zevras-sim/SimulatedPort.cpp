#include "SimulatedPort.h"

SimulatedPort::SimulatedPort(const UnitOptions &unit, quint32 seed) : m_line(unit, seed) {}

bool SimulatedPort::open(const QString &devicePath, QString *error)
{
    if (!m_openError.isEmpty()) {
        if (error)
            *error = devicePath + QStringLiteral(": ") + m_openError;
        return false;
    }
    m_open = true;
    return true;
}

void SimulatedPort::close()
{
    m_open = false;
    m_pieces.clear();
    m_received.clear();
}

void SimulatedPort::takeDue()
{
    while (!m_pieces.empty() && m_pieces.front().dueMs <= m_nowMs) {
        m_received += m_pieces.front().bytes;
        m_pieces.pop_front();
    }
}

qint64 SimulatedPort::bytesWaiting()
{
    takeDue();
    return m_received.size();
}

QByteArray SimulatedPort::read(qint64 maxBytes)
{
    takeDue();
    QByteArray bytes = m_received.left(maxBytes);
    m_received.remove(0, bytes.size());
    return bytes;
}

bool SimulatedPort::write(const LinkFrame::Bytes &frame)
{
    if (!m_open)
        return false;
    const QByteArray bytes(reinterpret_cast<const char *>(frame.data()), int(frame.size()));
    // As on the line: an answer never overtakes one sent before it, and a
    // split one comes in pieces a few milliseconds apart.
    for (const Delivery &delivery : m_line.receive(bytes, m_nowMs)) {
        qint64 due = m_nowMs + delivery.delayMs;
        if (!m_pieces.empty())
            due = qMax(due, m_pieces.back().dueMs);
        const int step = delivery.chunkSize > 0 ? delivery.chunkSize : int(delivery.bytes.size());
        for (qsizetype at = 0; at < delivery.bytes.size();
             at += step, due += FaultInjector::kSplitGapMs)
            m_pieces.push_back({due, delivery.bytes.mid(at, step)});
    }
    return true;
}
