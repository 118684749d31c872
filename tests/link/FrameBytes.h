#pragma once

#include "LinkFrame.h"
#include "LinkProtocol.h"
#include "ParameterSet.h"

#include <QByteArray>

// Frames and image pages as plain bytes, to compare with what a port carried.

inline QByteArray bytesOf(const LinkFrame::Bytes &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.data()), wire::kFrameSize);
}

// The data bytes of a frame, between its code and its check byte.
inline QByteArray dataOf(const LinkFrame::Bytes &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.data()) + 1, wire::kFrameDataSize);
}

inline QByteArray pageOf(const ParameterSet &image, int page)
{
    return QByteArray(reinterpret_cast<const char *>(image.page(page)), ParameterSet::kPageSize);
}
