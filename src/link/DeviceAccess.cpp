#include "DeviceAccess.h"

#ifdef Q_OS_UNIX

#include <QFile>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

// A group the system cannot name goes by its number, which usermod takes too.
QString groupName(gid_t gid)
{
    long size = sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 4096);
    group entry{};
    group *found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return QString::number(gid);
    return QString::fromLocal8Bit(found->gr_name);
}

} // namespace

DeviceAccess deviceAccess(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (stat(name.constData(), &status) != 0)
        return {};
    return {true, access(name.constData(), R_OK | W_OK) == 0, groupName(status.st_gid)};
}

#else

#include <QSerialPortInfo>

// Windows names ports ("COM3") rather than files, and has no groups to join.
DeviceAccess deviceAccess(const QString &path)
{
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (info.portName() == path || info.systemLocation() == path)
            return {true, true, QString()};
    }
    return {};
}

#endif
