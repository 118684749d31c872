#pragma once

#include "Port.h"

#include <QSerialPort>

// The unit's line on a real serial device. QSerialPort opens devices
// exclusively (lock file and TIOCEXCL on Unix, share mode 0 on Windows).
class SerialPort : public Port
{
public:
    // Longest wait for a frame to leave; a frame needs about 9 ms at 57600 baud.
    static constexpr int kSendTimeoutMs = 100;

    SerialPort();

    bool open(const QString &devicePath, QString *error) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    qint64 bytesWaiting() override;
    QByteArray read(qint64 maxBytes) override;
    bool write(const LinkFrame::Bytes &frame) override;
    bool waitSent() override;
    bool deviceLost() override;

private:
    void takeError(QSerialPort::SerialPortError error);
    bool closeIfLost();

    QSerialPort m_port;
    bool m_lost = false;
};
