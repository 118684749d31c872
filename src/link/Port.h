#pragma once

#include "LinkFrame.h"

#include <QByteArray>
#include <QString>

// The serial line to the unit as the poll cycle uses it. All calls return at
// once except waitSent(), which is bounded.
class Port
{
public:
    virtual ~Port() = default;

    // Opens the device exclusively at 57600 8-N-1 without flow control.
    // On failure returns false and describes why in error.
    virtual bool open(const QString &devicePath, QString *error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Received bytes ready to be read, or -1 when the port cannot tell.
    virtual qint64 bytesWaiting() = 0;
    // Up to maxBytes of the waiting bytes.
    virtual QByteArray read(qint64 maxBytes) = 0;
    // Starts sending one frame without waiting for it to leave.
    virtual bool write(const LinkFrame::Bytes &frame) = 0;
    // Waits until the written bytes have left.
    virtual bool waitSent() = 0;
    // The device went away since the last open: removed, hung up, or a read
    // or write failed. A port that finds so has closed itself, so nothing is
    // queued for a device that is gone.
    virtual bool deviceLost() { return false; }
};
