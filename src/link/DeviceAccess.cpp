#include "DeviceAccess.h"

#ifdef Q_OS_UNIX

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Reads only what this user may see: the open files of its own processes.
QString deviceHolder(const QString &path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    if (device.isEmpty())
        return QString();
    const QString self = QString::number(getpid());
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : processes) {
        if (pid == self || pid.toInt() <= 0)
            continue;
        const QString fds = QStringLiteral("/proc/") + pid + QStringLiteral("/fd");
        for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
            if (QFileInfo(fds + QLatin1Char('/') + fd).symLinkTarget() != device)
                continue;
            QFile comm(QStringLiteral("/proc/") + pid + QStringLiteral("/comm"));
            const QString name = comm.open(QIODevice::ReadOnly)
                                     ? QString::fromLocal8Bit(comm.readAll().trimmed())
                                     : QString();
            return QStringLiteral("%1 (pid %2)").arg(name, pid);
        }
    }
    return QString();
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

QString deviceHolder(const QString &)
{
    return QString();
}

#endif
