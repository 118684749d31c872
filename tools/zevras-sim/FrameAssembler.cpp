#include "FrameAssembler.h"

QList<Frame> FrameAssembler::append(const QByteArray &bytes, qint64 nowMs)
{
    if (!m_buffer.isEmpty() && nowMs - m_lastByteMs > kGapMs) {
        m_discarded += int(m_buffer.size());
        m_buffer.clear();
    }
    m_lastByteMs = nowMs;
    m_buffer.append(bytes);

    QList<Frame> frames;
    while (m_buffer.size() >= wire::kFrameSize) {
        Frame frame;
        std::memcpy(frame.data(), m_buffer.constData(), frame.size());
        if (!wire::checkPasses(frame.data())) {
            m_discarded += int(m_buffer.size());
            m_buffer.clear();
            break;
        }
        frames.append(frame);
        m_buffer.remove(0, wire::kFrameSize);
    }
    return frames;
}
