#include "OutputQueue.h"

OutputQueue::OutputQueue(const QElapsedTimer &clock, Writer writer, QObject *parent)
    : QObject(parent), m_clock(clock), m_writer(std::move(writer))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &OutputQueue::flushDue);
}

void OutputQueue::send(const QByteArray &bytes, int delayMs, int chunkSize, int gapMs)
{
    // An answer never overtakes one queued before it.
    qint64 due = m_clock.elapsed() + delayMs;
    if (!m_pieces.empty())
        due = qMax(due, m_pieces.back().dueMs);
    const int step = chunkSize > 0 ? chunkSize : int(bytes.size());
    for (qsizetype at = 0; at < bytes.size(); at += step, due += gapMs)
        m_pieces.push_back({due, bytes.mid(at, step)});
    flushDue();
}

void OutputQueue::flushDue()
{
    const qint64 now = m_clock.elapsed();
    while (!m_pieces.empty() && m_pieces.front().dueMs <= now) {
        m_writer(m_pieces.front().bytes);
        m_pieces.pop_front();
    }
    schedule();
}

void OutputQueue::schedule()
{
    if (m_pieces.empty())
        return;
    m_timer.start(int(qMax<qint64>(0, m_pieces.front().dueMs - m_clock.elapsed())));
}
