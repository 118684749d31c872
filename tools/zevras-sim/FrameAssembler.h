#pragma once

#include "SimFrame.h"

#include <QByteArray>
#include <QList>

// Collects bytes from the line into request frames, as the unit's receiver
// does: a frame is judged once 52 bytes are there; a bad check byte throws away
// everything collected, and so does a pause in the middle of a frame, so the
// receiver finds the frame boundary again after lost or stray bytes.
class FrameAssembler
{
public:
    static constexpr int kGapMs = 30; // a whole frame takes about 9 ms at 57600 baud

    // Adds bytes received at nowMs; returns the complete good frames.
    QList<Frame> append(const QByteArray &bytes, qint64 nowMs);
    // Bytes thrown away so far for bad check bytes or pauses.
    int discardedBytes() const { return m_discarded; }

private:
    QByteArray m_buffer;
    qint64 m_lastByteMs = 0;
    int m_discarded = 0;
};
