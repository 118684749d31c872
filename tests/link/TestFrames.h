#pragma once

#include <QByteArray>
#include <QtGlobal>

// Frames as the unit sends them, built here independently of the link code.
namespace testframes {

inline QByteArray frame(quint8 code, const quint8 *data)
{
    QByteArray bytes(52, '\0');
    bytes[0] = char(code);
    quint8 check = 0xFF ^ code;
    for (int k = 0; k < 50; ++k) {
        bytes[k + 1] = char(data[k]);
        check ^= data[k];
    }
    bytes[51] = char(check);
    return bytes;
}

// A status answer with the given bytes 1..50 (index = frame byte).
struct Status
{
    quint8 bytes[51] = {};

    Status() { bytes[50] = 46; }
    Status &set(int offset, quint8 value)
    {
        bytes[offset] = value;
        return *this;
    }
    Status &word(int offset, quint16 value)
    {
        bytes[offset] = quint8(value & 0xFF);
        bytes[offset + 1] = quint8(value >> 8);
        return *this;
    }
    QByteArray frame() const { return testframes::frame(0xB0, bytes + 1); }
};

} // namespace testframes
