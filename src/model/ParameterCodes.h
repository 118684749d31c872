#pragma once

#include "ParameterSet.h"

#include <optional>

// Conversions between stored bytes and what the window shows, and the list
// mappings of the coded fields. Plain functions: the form binding calls them.
namespace codes {

// Scale factors from a stored byte to its display unit.
constexpr int kRpmScale = 100;         // LIMITER[0..1], PILOT_LIGHT, RPM_ADV
constexpr int kClutchScale = 10;       // CLUTCH
constexpr int kCorrectionOffset = 100; // RPM[1] stores correction + 100

inline int toDisplay(quint8 stored, int scale)
{
    return stored * scale;
}
// Display to stored drops the remainder: a typed 1 550 rpm is stored as 15.
inline quint8 toStored(int display, int scale)
{
    return quint8(display / scale);
}

inline int correctionToDisplay(quint8 stored)
{
    return int(stored) - kCorrectionOffset;
}
inline quint8 correctionToStored(int display)
{
    return quint8(display + kCorrectionOffset);
}

// ComboBoxBike lists the kinds in the order 0, 4, 1, 5, 2.
std::optional<quint8> bikeFromListIndex(int index);
std::optional<int> listIndexFromBike(quint8 bike);

// ComboBoxPocPalcu: index i holds (i + 1) mod 4 ignitions; an index of -1 gives 0.
quint8 geberNrFromListIndex(int index);
int listIndexFromGeberNr(quint8 geberNr);

// What the pick-up kind forces on GEBER_NR and POLARITA; nothing for a free kind.
struct PickupForced
{
    quint8 geberNr;
    quint8 polarita;
};
std::optional<PickupForced> forcedPickup(quint8 bike);

// A page-1 byte as the window shows it: speeds in rpm, times in ms, the
// tachometer correction in percent, flags as 0 or 1, angles, counts and
// codes as stored. The spare bytes read as stored.
int displayValue(const ParameterSet &image, int position);
// The stored byte for a display value of the byte at position, as the window
// collects it: speeds and times drop the remainder, flags become 0 or 1.
quint8 storedValue(int position, int display);

// The unit of that display value: "rpm", "deg", "ms", "%", or "" for counts,
// codes and flags.
const char *displayUnit(int position);

} // namespace codes
