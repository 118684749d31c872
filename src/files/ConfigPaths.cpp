#include "ConfigPaths.h"

#include <QStandardPaths>

namespace ConfigPaths {

namespace {
const QString kSettingsFileName = QStringLiteral("zevras.ini");
}

// GenericConfigLocation honours XDG_CONFIG_HOME on Linux (~/.config by
// default) and maps to the usual per-user folder on Windows and macOS.
QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zevras");
}

QString settingsFile()
{
    return configFolder() + '/' + kSettingsFileName;
}

QString imageFile()
{
    return configFolder() + QStringLiteral("/_") + kSettingsFileName;
}

QString testSwitchFile()
{
    return configFolder() + QStringLiteral("/test_pelmar.txt");
}

// GenericDataLocation honours XDG_DATA_HOME on Linux (~/.local/share by
// default) and maps to the usual per-user data folder on Windows and macOS.
QString historyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zevras/history");
}

} // namespace ConfigPaths
