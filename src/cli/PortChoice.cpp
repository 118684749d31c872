#include "PortChoice.h"

#include "ConfigPaths.h"
#include "Console.h"
#include "SettingsFile.h"

#include <QRegularExpression>

namespace {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 10;
constexpr int kDefaultComPort = 1; // the window's port before any settings

bool isComItem(int number)
{
    return number >= kFirstComPort && number <= kLastComPort;
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
