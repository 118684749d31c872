#pragma once

// The unit's end of a pseudo-terminal, for tests of the real serial port
// code. Unix only; the tests that use it are built only there.

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && (grantpt(m_master) != 0 || unlockpt(m_master) != 0)) {
            ::close(m_master);
            m_master = -1;
        }
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return m_master >= 0; }
    // The device the program opens.
    QString devicePath() const { return QString::fromLocal8Bit(ptsname(m_master)); }

    // The unit's end goes away, as a pulled adapter: the device hangs up.
    void hangUp()
    {
        ::close(m_master);
        m_master = -1;
    }

    bool send(const QByteArray &bytes)
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Collects what the program wrote until count bytes have come or
    // timeoutMs passes without any.
    QByteArray receive(int count, int timeoutMs)
    {
        QByteArray got;
        while (got.size() < count) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, timeoutMs) <= 0)
                break;
            char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, int(n));
        }
        return got;
    }

private:
    int m_master = -1;
};
