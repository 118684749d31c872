#include "PortDevice.h"

QString defaultPortDevice(int comPort)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comPort);
#else
    return QStringLiteral("/dev/ttyUSB%1").arg(comPort - 1);
#endif
}
