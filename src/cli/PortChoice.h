#pragma once

#include <QString>

#include <optional>

// The device the command opens: --port as a Com item (mapped as the window
// maps it, through [PORTS] in zevras.ini) or as a device path, or without it
// the Com port stored in zevras.ini. None, reported, when that names no port.
std::optional<QString> choosePortDevice(const QString &portOption);
