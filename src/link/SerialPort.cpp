#include "SerialPort.h"

#include "DeviceAccess.h"

SerialPort::SerialPort()
{
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { takeError(error); });
}

// A removed or hung-up device fails every later read and write, and the
// port's notifiers would try again and again: it is closed at the next
// call, or from the event loop when no call comes first, never inside
// QSerialPort's own signal.
void SerialPort::takeError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        break;
    default:
        return;
    }
    if (m_lost || !m_port.isOpen())
        return;
    m_lost = true;
    QMetaObject::invokeMethod(
        &m_port, [this] { closeIfLost(); }, Qt::QueuedConnection);
}

bool SerialPort::closeIfLost()
{
    if (m_lost && m_port.isOpen())
        m_port.close();
    return m_lost;
}

bool SerialPort::deviceLost()
{
    return closeIfLost();
}

bool SerialPort::open(const QString &devicePath, QString *error)
{
    close();
    m_lost = false;
    m_port.setPortName(devicePath);
    if (!m_port.open(QIODevice::ReadWrite)) {
        *error = m_port.errorString();
        // The toolkit says "permission" both for a device this user may not
        // open and for one locked or held by another program.
        if (m_port.error() == QSerialPort::PermissionError) {
            if (deviceAccess(devicePath).mayOpen) {
                const QString holder = deviceHolder(devicePath);
                *error = QStringLiteral("the device is in use by another program");
                if (!holder.isEmpty())
                    *error += QStringLiteral(": ") + holder;
            } else {
#ifdef Q_OS_LINUX
                // Serial devices belong to the dialout group on most distributions.
                *error += QStringLiteral(" (the user must be in the 'dialout' group)");
#endif
            }
        }
        return false;
    }
    const bool configured =
        m_port.setBaudRate(wire::kBaudRate) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        *error = m_port.errorString();
        m_port.close();
        return false;
    }
    return true;
}

void SerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

qint64 SerialPort::bytesWaiting()
{
    if (!m_port.isOpen())
        return -1;
    // Moves whatever the driver holds into the port's buffer without blocking,
    // so bytes arrive even when no event loop has run since the last tick.
    m_port.waitForReadyRead(0);
    if (closeIfLost() || !m_port.isOpen())
        return -1;
    return m_port.bytesAvailable();
}

QByteArray SerialPort::read(qint64 maxBytes)
{
    return m_port.read(maxBytes);
}

bool SerialPort::write(const LinkFrame::Bytes &frame)
{
    if (closeIfLost() || !m_port.isOpen())
        return false;
    const qint64 size = qint64(frame.size());
    const bool queued = m_port.write(reinterpret_cast<const char *>(frame.data()), size) == size;
    m_port.flush();
    return !closeIfLost() && queued;
}

bool SerialPort::waitSent()
{
    if (closeIfLost() || !m_port.isOpen())
        return false;
    const bool sent = m_port.bytesToWrite() == 0 || m_port.waitForBytesWritten(kSendTimeoutMs);
    return !closeIfLost() && sent;
}
