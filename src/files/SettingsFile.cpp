#include "SettingsFile.h"

#include "FileAccess.h"
#include "IniDocument.h"
#include "PortDevice.h"
#include "TextLineEnd.h"

#include <QFileInfo>

namespace SettingsFile {

namespace {

const QString kSection = QStringLiteral("FORM_HLAV");
const QString kPortsSection = QStringLiteral("PORTS");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kHeight = QStringLiteral("Height");
const QString kWidth = QStringLiteral("Width");
const QString kComPort = QStringLiteral("ComPort");
const QString kLanguage = QStringLiteral("Language");
const QString kFile = QStringLiteral("File");
const QString kIniDir = QStringLiteral("IniDir");
const QString kIgnAll = QStringLiteral("CheckBoxIgnAll->Checked");
const QString kCurveGraphSection = QStringLiteral("CURVE_GRAPH");
const QString kOpen = QStringLiteral("Open");

std::optional<int> readInteger(const IniDocument &ini, const QString &key,
                               const QString &section = kSection)
{
    const auto text = ini.value(section, key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<quint8> readByte(const IniDocument &ini, const QString &key)
{
    const auto value = readInteger(ini, key);
    return value ? std::optional<quint8>(quint8(*value)) : std::nullopt;
}

QMap<int, QString> readPorts(const IniDocument &ini)
{
    QMap<int, QString> ports;
    for (int port = kFirstComPort; port <= kLastComPort; ++port) {
        const auto device = ini.value(kPortsSection, QStringLiteral("COM%1").arg(port));
        if (device && !device->trimmed().isEmpty())
            ports.insert(port, device->trimmed());
    }
    return ports;
}

ToolWindowSettings readToolWindow(const IniDocument &ini, const QString &section)
{
    ToolWindowSettings window;
    window.left = readInteger(ini, kLeft, section);
    window.top = readInteger(ini, kTop, section);
    window.width = readInteger(ini, kWidth, section);
    window.height = readInteger(ini, kHeight, section);
    if (const auto open = readInteger(ini, kOpen, section))
        window.open = *open != 0;
    return window;
}

void addInteger(QList<IniDocument::Entry> &entries, const QString &key,
                const std::optional<int> &value)
{
    if (value)
        entries.append({key, QString::number(*value)});
}

void addString(QList<IniDocument::Entry> &entries, const QString &key,
               const std::optional<QString> &value)
{
    if (value)
        entries.append({key, *value});
}

QList<IniDocument::Entry> toolWindowEntries(const ToolWindowSettings &window)
{
    QList<IniDocument::Entry> entries;
    addInteger(entries, kLeft, window.left);
    addInteger(entries, kTop, window.top);
    addInteger(entries, kWidth, window.width);
    addInteger(entries, kHeight, window.height);
    if (window.open)
        addInteger(entries, kOpen, *window.open ? 1 : 0);
    return entries;
}

} // namespace

Settings fromText(const QString &text)
{
    const IniDocument ini(text);
    Settings settings;
    settings.left = readInteger(ini, kLeft);
    settings.top = readInteger(ini, kTop);
    settings.height = readInteger(ini, kHeight);
    settings.width = readInteger(ini, kWidth);
    settings.comPort = readByte(ini, kComPort);
    settings.language = readByte(ini, kLanguage);
    settings.file = ini.value(kSection, kFile);
    settings.iniDir = ini.value(kSection, kIniDir);
    if (const auto checked = readInteger(ini, kIgnAll))
        settings.ignAll = *checked != 0;
    settings.portDevices = readPorts(ini);
    settings.curveGraph = readToolWindow(ini, kCurveGraphSection);
    return settings;
}

Settings load(const QString &path)
{
    const auto text = fileaccess::readFile(path);
    return text ? fromText(QString::fromUtf8(*text)) : Settings();
}

bool save(const QString &path, const Settings &settings)
{
    QList<IniDocument::Entry> entries;
    addInteger(entries, kLeft, settings.left);
    addInteger(entries, kTop, settings.top);
    addInteger(entries, kHeight, settings.height);
    addInteger(entries, kWidth, settings.width);
    addInteger(entries, kComPort, settings.comPort);
    addInteger(entries, kLanguage, settings.language);
    addString(entries, kFile, settings.file);
    addString(entries, kIniDir, settings.iniDir);
    if (settings.ignAll)
        addInteger(entries, kIgnAll, *settings.ignAll ? 1 : 0);

    // The file is rewritten from what was read of it, so one that cannot be
    // read whole is left as it is rather than cut short.
    std::optional<QByteArray> existing;
    const QFileInfo info(path);
    if (info.exists()) {
        if (info.size() > fileaccess::kMaxReadBytes)
            return false;
        existing = fileaccess::readFile(path);
        if (!existing)
            return false;
    }
    IniDocument ini(existing ? QString::fromUtf8(*existing) : QString());
    ini.setEntriesFirst(kSection, entries);
    if (!settings.portDevices.isEmpty()) {
        QList<IniDocument::Entry> ports;
        for (auto port = settings.portDevices.cbegin(); port != settings.portDevices.cend(); ++port)
            ports.append({QStringLiteral("COM%1").arg(port.key()), port.value()});
        ini.setEntriesFirst(kPortsSection, ports);
    }
    if (!settings.curveGraph.isEmpty())
        ini.setEntriesFirst(kCurveGraphSection, toolWindowEntries(settings.curveGraph));
    return fileaccess::writeAtomically(path, ini.text(QString::fromLatin1(kTextLineEnd)).toUtf8(),
                                       fileaccess::Folder::Create);
}

QString portDevice(const Settings &settings, int comPort)
{
    return settings.portDevices.value(comPort, defaultPortDevice(comPort));
}

} // namespace SettingsFile
