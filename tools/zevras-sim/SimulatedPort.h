#pragma once

#include "Port.h"
#include "UnitLine.h"

#include <deque>

// The simulated unit inside the caller's process, as the port the link
// talks to: a frame written reaches the unit at once, and its answers arrive
// when the caller's clock, moved on by advance(), reaches them. No device,
// no timer and no pseudo-terminal, so a test drives the unit's failure
// modes tick by tick on any platform.
class SimulatedPort : public Port
{
public:
    explicit SimulatedPort(const UnitOptions &unit = {}, quint32 seed = 1);

    UnitLine &line() { return m_line; }
    const UnitLine &line() const { return m_line; }
    qint64 now() const { return m_nowMs; }
    // Moves the clock on; answers due by then are waiting to be read.
    void advance(int ms) { m_nowMs += ms; }
    // Opens fail with this text, as with a device unplugged; empty: they succeed.
    void setOpenError(const QString &error) { m_openError = error; }

    bool open(const QString &devicePath, QString *error) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    qint64 bytesWaiting() override;
    QByteArray read(qint64 maxBytes) override;
    bool write(const LinkFrame::Bytes &frame) override;
    bool waitSent() override { return m_open; }

private:
    struct Piece
    {
        qint64 dueMs;
        QByteArray bytes;
    };

    void takeDue();

    UnitLine m_line;
    qint64 m_nowMs = 0;
    bool m_open = false;
    QString m_openError;
    std::deque<Piece> m_pieces; // on their way, in order
    QByteArray m_received;      // arrived, not yet read
};
