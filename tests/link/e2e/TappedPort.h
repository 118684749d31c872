#pragma once

#include "Port.h"

#include <QList>

// Passes every call to the real port and notes each frame written with the
// tick it left on, so a test sees exactly what went onto the line and when.
class TappedPort : public Port
{
public:
    struct Sent
    {
        int tick;
        LinkFrame::Bytes bytes;
    };

    explicit TappedPort(Port &line) : m_line(line) {}

    void setTick(int tick) { m_tick = tick; }
    const QList<Sent> &sent() const { return m_sent; }

    // The ticks on which frames with this code left.
    QList<int> ticksOf(quint8 code) const
    {
        QList<int> ticks;
        for (const Sent &s : m_sent) {
            if (s.bytes[0] == code)
                ticks << s.tick;
        }
        return ticks;
    }

    bool open(const QString &devicePath, QString *error) override
    {
        return m_line.open(devicePath, error);
    }
    void close() override { m_line.close(); }
    bool isOpen() const override { return m_line.isOpen(); }
    qint64 bytesWaiting() override { return m_line.bytesWaiting(); }
    QByteArray read(qint64 maxBytes) override { return m_line.read(maxBytes); }
    bool write(const LinkFrame::Bytes &frame) override
    {
        m_sent.append({m_tick, frame});
        return m_line.write(frame);
    }
    bool waitSent() override { return m_line.waitSent(); }
    bool deviceLost() override { return m_line.deviceLost(); }

private:
    Port &m_line;
    int m_tick = 0;
    QList<Sent> m_sent;
};
