#include "PlugSwitch.h"

#include "Pty.h"
#include "SimSession.h"

#include <QFile>
#include <QFileInfo>

std::optional<QString> PlugSwitch::execute(const QString &line)
{
    const QString command = line.trimmed();
    if (command == QLatin1String("unplug"))
        return unplug();
    if (command == QLatin1String("plug"))
        return plug();
    return std::nullopt;
}

// A link left behind by an earlier run is replaced; anything else is kept.
bool PlugSwitch::makeLink()
{
    if (m_linkPath.isEmpty())
        return true;
    if (QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
    return QFile::link(m_pty.devicePath(), m_linkPath);
}

void PlugSwitch::removeLink()
{
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
}

QString PlugSwitch::unplug()
{
    if (!m_plugged)
        return QStringLiteral("ERROR already unplugged");
    m_session.detach();
    m_pty.close();
    removeLink();
    m_plugged = false;
    return QStringLiteral("OK unplug");
}

// The reply names the new device, for a run without a link.
QString PlugSwitch::plug()
{
    if (m_plugged)
        return QStringLiteral("ERROR already plugged in");
    QString error;
    if (!m_pty.open(&error))
        return QStringLiteral("ERROR ") + error;
    if (!makeLink()) {
        m_pty.close();
        return QStringLiteral("ERROR cannot make the link ") + m_linkPath;
    }
    m_session.attach();
    m_plugged = true;
    return QStringLiteral("OK plug ") + m_pty.devicePath();
}
