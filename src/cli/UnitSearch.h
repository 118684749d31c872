#pragma once

#include "UnitProbe.h"

#include <QString>

#include <optional>

// The search for the unit over every serial device and every device the
// Com items map to, as the window's Find unit searches.
namespace unitsearch {

// The --port word that searches instead of naming a port.
inline const QString kAutoPort = QStringLiteral("auto");

// Every candidate asked at once; in the order of their paths.
QList<ProbeResult> search();

// The device of the first unit that answered, with a line on standard error
// naming it; none, reported, when no unit answered.
std::optional<QString> findUnit();

// "answering: SIL13, data version 46", "silent", "busy: ...", "not permitted: ...".
QString stateText(const ProbeResult &result);

} // namespace unitsearch
