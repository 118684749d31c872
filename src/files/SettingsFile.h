#pragma once

#include "ComItems.h"

#include <QMap>
#include <QString>
#include <QtGlobal>

#include <optional>

// Where a tool window stood and whether it was open, in a section of its own.
struct ToolWindowSettings
{
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<bool> open;

    bool isEmpty() const { return !left && !top && !width && !height && !open; }
};

// What the settings file holds. Every key is present or missing, so that the
// caller keeps its own value for each missing one.
struct Settings
{
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> height;
    std::optional<int> width;
    std::optional<quint8> comPort;  // low 8 bits of the stored number
    std::optional<quint8> language; // low 8 bits of the stored number
    std::optional<QString> file;    // the file shown in the window
    std::optional<QString> iniDir;  // full path of the last .ign file
    std::optional<bool> ignAll;     // "CheckBoxIgnAll->Checked": not 0 is checked
    // Section [PORTS]: COMn -> device path. Written back entry by entry, so
    // other lines of the section stay as they are in the file.
    QMap<int, QString> portDevices;
    // Section [CURVE_GRAPH]: the advance curve graph window.
    ToolWindowSettings curveGraph;
};

// The settings file "zevras.ini", section [FORM_HLAV]. Written by hand
// rather than through QSettings, which would escape the key
// "CheckBoxIgnAll->Checked" and quote values that the Windows program reads
// as they stand.
namespace SettingsFile {

// The Com items COM1..COM10 that [PORTS] may map to devices.
constexpr int kFirstComPort = comitems::kFirst;
constexpr int kLastComPort = comitems::kLast;

// A missing or unreadable file, and any value that is not a decimal integer
// where one is expected, reads as missing.
Settings fromText(const QString &text);
Settings load(const QString &path);

// Writes the present keys in their fixed order at the head of [FORM_HLAV],
// the port devices at the head of [PORTS] and the curve graph's keys at the
// head of [CURVE_GRAPH] when its window has settings; other sections, unknown
// keys and comments in an existing file are kept.
// Atomic, creating the folder if needed; false keeps the earlier file whole.
// A file there that cannot be read whole (unreadable, or larger than any
// settings file) is not rewritten.
bool save(const QString &path, const Settings &settings);

// The device to open for COMn: the [PORTS] entry, else the platform default.
QString portDevice(const Settings &settings, int comPort);

} // namespace SettingsFile
