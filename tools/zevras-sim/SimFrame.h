#pragma once

#include "LinkProtocol.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <cstring>

// One 52-byte frame as the unit sees it: code, 50 data bytes, check byte.
using Frame = std::array<quint8, wire::kFrameSize>;
using Page = std::array<quint8, wire::kFrameDataSize>;

inline Frame makeFrame(quint8 code, const quint8 *data)
{
    Frame frame{};
    frame[0] = code;
    std::memcpy(frame.data() + 1, data, wire::kFrameDataSize);
    frame[wire::kCheckIndex] = wire::checkByte(frame.data());
    return frame;
}

inline void sealFrame(Frame &frame)
{
    frame[wire::kCheckIndex] = wire::checkByte(frame.data());
}

inline QByteArray frameBytes(const Frame &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.data()), int(frame.size()));
}

inline quint16 u16At(const Frame &frame, int offset)
{
    return quint16(frame[offset] | frame[offset + 1] << 8);
}

inline void putU16(Frame &frame, int offset, int value)
{
    frame[offset] = quint8(value & 0xFF);
    frame[offset + 1] = quint8((value >> 8) & 0xFF);
}
