#include "PortChoice.h"

#include "ConfigPaths.h"
#include "Console.h"
#include "SettingsFile.h"

#include <QRegularExpression>

namespace {

// The window's port before any settings.
constexpr int kDefaultComPort = SettingsFile::kFirstComPort;

bool isComItem(int number)
{
    return number >= SettingsFile::kFirstComPort && number <= SettingsFile::kLastComPort;
}

} // namespace

std::optional<QString> choosePortDevice(const QString &portOption)
{
    const Settings settings = SettingsFile::load(ConfigPaths::settingsFile());
    if (portOption.isEmpty()) {
        const int comPort = settings.comPort.value_or(kDefaultComPort);
        if (!isComItem(comPort)) {
            console::error(QStringLiteral("%1 names Com port %2, which opens nothing; "
                                          "give --port COMn or a device")
                               .arg(ConfigPaths::settingsFile())
                               .arg(comPort));
            return std::nullopt;
        }
        return SettingsFile::portDevice(settings, comPort);
    }
    static const QRegularExpression comItem(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comItem.match(portOption);
    if (!match.hasMatch())
        return portOption;
    const int comPort = match.captured(1).toInt();
    if (!isComItem(comPort)) {
        console::error(
            QStringLiteral("--port %1: the Com items are COM1 to COM10").arg(portOption));
        return std::nullopt;
    }
    return SettingsFile::portDevice(settings, comPort);
}
