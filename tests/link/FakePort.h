#pragma once

#include "LinkFrame.h"
#include "Port.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <vector>

// A port without a device: the test feeds the bytes the unit would send and
// reads back what the link wrote. Opens can be made to fail, and the device
// can be pulled out (a resource error) and plugged in again.
class FakePort : public Port
{
public:
    bool open(const QString &devicePath, QString *error) override
    {
        ++openCalls;
        openedPath = devicePath;
        if (failOpen) {
            *error = QStringLiteral("device busy");
            return false;
        }
        m_open = true;
        m_lost = false;
        return true;
    }
    void close() override
    {
        ++closeCalls;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    qint64 bytesWaiting() override { return m_open ? incoming.size() : -1; }
    QByteArray read(qint64 maxBytes) override
    {
        reads << maxBytes;
        const QByteArray taken = incoming.left(maxBytes);
        incoming.remove(0, taken.size());
        return taken;
    }
    bool write(const LinkFrame::Bytes &frame) override
    {
        if (!m_open)
            return false;
        writes.push_back(frame);
        log << QStringLiteral("write %1").arg(frame[0], 2, 16, QLatin1Char('0'));
        return true;
    }
    bool waitSent() override
    {
        log << QStringLiteral("waitSent");
        return true;
    }

    bool deviceLost() override { return m_lost; }

    // The device goes away: the port closes itself and opens fail until plugIn().
    void pull()
    {
        m_lost = true;
        m_open = false;
        failOpen = true;
    }
    void plugIn() { failOpen = false; }

    void feed(const QByteArray &bytes) { incoming += bytes; }
    const LinkFrame::Bytes &lastWrite() const { return writes.back(); }

    bool failOpen = false;
    int openCalls = 0;
    int closeCalls = 0;
    QString openedPath;
    QByteArray incoming;
    QList<qint64> reads;
    std::vector<LinkFrame::Bytes> writes;
    QStringList log;

private:
    bool m_open = false;
    bool m_lost = false;
};
