#include "ParameterCodes.h"

namespace codes {

namespace {
constexpr quint8 kBikeByListIndex[] = {0, 4, 1, 5, 2};
}

std::optional<quint8> bikeFromListIndex(int index)
{
    if (index < 0 || index >= int(sizeof kBikeByListIndex))
        return std::nullopt;
    return kBikeByListIndex[index];
}

std::optional<int> listIndexFromBike(quint8 bike)
{
    for (int i = 0; i < int(sizeof kBikeByListIndex); ++i) {
        if (kBikeByListIndex[i] == bike)
            return i;
    }
    return std::nullopt;
}

quint8 geberNrFromListIndex(int index)
{
    if (index < 0)
        return 0;
    return quint8((index + 1) % 4);
}

int listIndexFromGeberNr(quint8 geberNr)
{
    return (int(geberNr) + 3) % 4;
}

std::optional<PickupForced> forcedPickup(quint8 bike)
{
    if (bike >= 1 && bike <= 3)
        return PickupForced{1, 0};
    if (bike == 4 || bike == 5)
        return PickupForced{1, 2};
    return std::nullopt;
}

namespace {

enum class Display
{
    Plain,
    Degrees,
    Rpm,
    Ms,
    Correction,
    Flag
};

Display displayOf(int position)
{
    using P = ParameterSet;
    if (position >= P::RPM_ADV && position < P::RPM_ADV + P::kCurvePoints)
        return Display::Rpm;
    if (position >= P::ADVANCE && position < P::ADVANCE + P::kCurvePoints)
        return Display::Degrees;
    switch (position) {
    case P::BASE_ADV:
    case P::LIMITER + 2: // the retard is an angle, unlike the two limiter speeds
        return Display::Degrees;
    case P::LIMITER:
    case P::LIMITER + 1:
    case P::PILOT_LIGHT:
        return Display::Rpm;
    case P::CLUTCH:
    case P::CLUTCH + 1:
        return Display::Ms;
    case P::RPM + 1:
        return Display::Correction;
    case P::NO_READING:
    case P::REV_OUT_PILOT_LIGHT:
        return Display::Flag;
    default:
        return Display::Plain;
    }
}

} // namespace

int displayValue(const ParameterSet &image, int position)
{
    const quint8 stored = image.at(position);
    switch (displayOf(position)) {
    case Display::Rpm:
        return toDisplay(stored, kRpmScale);
    case Display::Ms:
        return toDisplay(stored, kClutchScale);
    case Display::Correction:
        return correctionToDisplay(stored);
    case Display::Flag:
        return stored != 0 ? 1 : 0;
    case Display::Plain:
    case Display::Degrees:
        break;
    }
    return stored;
}

quint8 storedValue(int position, int display)
{
    switch (displayOf(position)) {
    case Display::Rpm:
        return toStored(display, kRpmScale);
    case Display::Ms:
        return toStored(display, kClutchScale);
    case Display::Correction:
        return correctionToStored(display);
    case Display::Flag:
        return display != 0 ? 1 : 0;
    case Display::Plain:
    case Display::Degrees:
        break;
    }
    return quint8(display);
}

const char *displayUnit(int position)
{
    switch (displayOf(position)) {
    case Display::Rpm:
        return "rpm";
    case Display::Ms:
        return "ms";
    case Display::Correction:
        return "%";
    case Display::Degrees:
        return "deg";
    case Display::Plain:
    case Display::Flag:
        break;
    }
    return "";
}

} // namespace codes
