#include "ControlRanges.h"

#include "ParameterCodes.h"

#include <QtGlobal>

namespace controlranges {

namespace {

using P = ParameterSet;

constexpr SpinRange kCurveSpeed{600, 20100, 100};
constexpr SpinRange kCurveAdvance{0, 60, 1};
constexpr SpinRange kLimiterSpeed{999, 25000, 100};

bool inCurve(int position, int first)
{
    return position >= first && position < first + P::kCurvePoints;
}

quint8 flag(quint8 stored)
{
    return stored != 0 ? 1 : 0;
}

quint8 lastItemAtMost(quint8 stored, int items)
{
    return quint8(qMin(int(stored), items - 1));
}

} // namespace

std::optional<SpinRange> spinRange(int position)
{
    if (inCurve(position, P::RPM_ADV))
        return kCurveSpeed;
    if (inCurve(position, P::ADVANCE))
        return kCurveAdvance;
    switch (position) {
    case P::POCET_BODU:
        return SpinRange{1, P::kCurvePoints, 1};
    case P::BASE_ADV:
        return SpinRange{0, 40, 1};
    case P::LIMITER:
    case P::LIMITER + 1:
        return kLimiterSpeed;
    case P::LIMITER + 2:
        return SpinRange{0, 25, 1};
    case P::PILOT_LIGHT:
        return SpinRange{1000, 25000, 100};
    case P::CLUTCH:
    case P::CLUTCH + 1:
        return SpinRange{0, 2500, 10};
    case P::RPM:
        return SpinRange{1, 6, 1};
    case P::RPM + 1:
        return SpinRange{-60, 60, 1};
    default:
        return std::nullopt;
    }
}

void takeThroughControls(ParameterSet &image)
{
    for (int position = P::kPageSize; position < P::kSize; ++position) {
        if (const auto range = spinRange(position)) {
            const int shown =
                qBound(range->minimum, codes::displayValue(image, position), range->maximum);
            image.set(position, codes::storedValue(position, shown));
        }
    }
    image.setNoReading(flag(image.noReading()));
    image.setRevOutPilotLight(flag(image.revOutPilotLight()));
    for (int i = 0; i < 2; ++i)
        image.setInput(i, lastItemAtMost(image.input(i), kInputItems));
    if (image.bike() == 0) {
        image.setPolarita(lastItemAtMost(image.polarita(), kPolarityItems));
        image.setGeberNr(codes::geberNrFromListIndex(codes::listIndexFromGeberNr(image.geberNr())));
    } else if (const auto forced = codes::forcedPickup(image.bike())) {
        image.setGeberNr(forced->geberNr);
        image.setPolarita(forced->polarita);
    }
}

ParameterSet setToSend(const ParameterSet &opened)
{
    ParameterSet image = opened;
    image.NormaliseParameterSet();
    takeThroughControls(image);
    image.NormaliseParameterSet();
    return image;
}

} // namespace controlranges
