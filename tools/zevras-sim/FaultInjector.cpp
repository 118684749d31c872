#include "FaultInjector.h"

#include <QStringList>

FaultInjector::FaultInjector(quint32 seed, const FaultSettings &settings)
    : m_settings(settings), m_random(seed)
{
}

bool FaultInjector::chance(int percent)
{
    return percent > 0 && int(m_random.bounded(100)) < percent;
}

bool FaultInjector::ignores(quint8 requestCode)
{
    const int seen = ++m_seen[requestCode];
    return m_settings.silent || seen <= m_settings.firstSilent;
}

Delivery FaultInjector::deliver(const Frame &answer)
{
    Delivery delivery;
    QStringList notes;
    if (chance(m_settings.dropPercent)) {
        delivery.note = QStringLiteral("dropped");
        return delivery;
    }
    Frame frame = answer;
    if (chance(m_settings.flipPercent)) {
        const int bit = int(m_random.bounded(wire::kFrameSize * 8));
        frame[bit / 8] ^= quint8(1u << (bit % 8));
        notes << QStringLiteral("bit %1 flipped").arg(bit);
    }
    if (m_settings.garbage && chance(kGarbagePercent)) {
        const int count = 1 + int(m_random.bounded(kMaxGarbageBytes));
        for (int i = 0; i < count; ++i)
            delivery.bytes.append(char(m_random.bounded(256)));
        notes << QStringLiteral("%1 garbage bytes before").arg(count);
    }
    delivery.bytes.append(frameBytes(frame));
    if (m_settings.lateMs > 0) {
        delivery.delayMs = m_settings.lateMs;
        notes << QStringLiteral("late %1 ms").arg(m_settings.lateMs);
    }
    if (m_settings.splitSize > 0) {
        delivery.chunkSize = m_settings.splitSize;
        notes << QStringLiteral("split %1").arg(m_settings.splitSize);
    }
    delivery.note = notes.join(QStringLiteral(", "));
    return delivery;
}

QString FaultInjector::describe() const
{
    const FaultSettings &s = m_settings;
    return QStringLiteral("silent %1 first-silent %2 drop %3 flip %4 garbage %5 split %6 late %7")
        .arg(s.silent ? "on" : "off")
        .arg(s.firstSilent)
        .arg(s.dropPercent)
        .arg(s.flipPercent)
        .arg(s.garbage ? "on" : "off")
        .arg(s.splitSize)
        .arg(s.lateMs);
}
