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

} // namespace codes
