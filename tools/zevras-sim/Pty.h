#pragma once

#include <QByteArray>
#include <QString>

// The unit's end of a pseudo-terminal. The program opens the slave device as
// its serial port; the simulator reads and writes the master. The simulator
// keeps a slave descriptor of its own open, so the master never sees a hang-up
// while the program closes and reopens its port.
class Pty
{
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool open(QString *error);
    void close();

    int masterFd() const { return m_master; }
    QString devicePath() const { return m_devicePath; }

    // Whatever is waiting on the master, without blocking; empty when nothing is.
    QByteArray readAvailable();
    // Writes without blocking; bytes the line cannot take are lost, as on a wire.
    void write(const QByteArray &bytes);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
};
