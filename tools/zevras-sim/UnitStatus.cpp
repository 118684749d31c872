#include "UnitStatus.h"

#include <algorithm>

namespace {

// Input functions as page 1 codes them.
constexpr int kInputKill = 1; // kill switch on input 1, blocking on input 2
constexpr int kInputClutch = 2;
constexpr int kInputRetard = 3;
constexpr int kInputStartLimiter = 4;
constexpr int kPolaritySelfsearch = 2; // POLARITA: 0 positive, 1 negative

constexpr int kRpmPerStep = 100;

int pointsInUse(const ParameterSet &unit)
{
    return std::min<int>(unit.pocetBodu(), ParameterSet::kCurvePoints);
}

int interpolate(int rpm, int rpmLow, int rpmHigh, int advLow, int advHigh)
{
    if (rpmHigh <= rpmLow)
        return advHigh;
    const int span = rpmHigh - rpmLow;
    const int numerator = (advHigh - advLow) * (rpm - rpmLow);
    // Nearest whole degree, also for a falling curve.
    const int rounded = numerator >= 0 ? (2 * numerator + span) / (2 * span)
                                       : -((-2 * numerator + span) / (2 * span));
    return advLow + rounded;
}

} // namespace

AdvanceReading advanceAt(const ParameterSet &unit, int rpm, bool retard)
{
    const int n = pointsInUse(unit);
    AdvanceReading reading;
    reading.maximum = unit.baseAdv();
    if (n > 0) {
        reading.maximum = 0;
        for (int i = 0; i < n; ++i)
            reading.maximum = std::max<int>(reading.maximum, unit.advance(i));
    }
    reading.degrees = unit.baseAdv();
    if (n > 0 && rpm > 0 && rpm >= unit.rpmAdv(0) * kRpmPerStep) {
        reading.basic = false;
        reading.degrees = unit.advance(n - 1);
        for (int i = 0; i + 1 < n; ++i) {
            const int high = unit.rpmAdv(i + 1) * kRpmPerStep;
            if (rpm < high) {
                reading.degrees = interpolate(rpm, unit.rpmAdv(i) * kRpmPerStep, high,
                                              unit.advance(i), unit.advance(i + 1));
                break;
            }
        }
    }
    if (retard)
        reading.degrees -= unit.limiter(2);
    return reading;
}

Frame composeStatus(const ParameterSet &unit, const EngineState &engine,
                    const UnitCounters &counters)
{
    namespace st = wire::status;
    const bool running = engine.rpm > 0;
    const bool in1 = engine.input1, in2 = engine.input2;
    auto inputDoes = [&](int function) {
        return (in1 && unit.input(0) == function) || (in2 && unit.input(1) == function);
    };
    auto reached = [&](quint8 hundreds) {
        return running && hundreds > 0 && engine.rpm >= hundreds * kRpmPerStep;
    };
    const bool retard = inputDoes(kInputRetard);
    const AdvanceReading advance = advanceAt(unit, engine.rpm, retard);

    Frame frame{};
    frame[0] = wire::ANSWER_STATUS;
    putU16(frame, st::ENGINE_RPM, engine.rpm);
    putU16(frame, st::SUPPLY_MV, engine.supplyMv);
    putU16(frame, st::PROG_COUNT, counters.progCount);
    for (int i = 0; i < st::TEST_VALUE_COUNT; ++i)
        putU16(frame, st::TEST_VALUE + 2 * i, counters.testValues[i]);
    frame[st::INPUT1_ACTIVE] = in1;
    frame[st::INPUT2_ACTIVE] = in2;
    frame[st::ADVANCE_NOW] = quint8(std::clamp(advance.degrees + st::kAdvanceOffset, 0, 255));
    frame[st::ADVANCE_MAX] = quint8(advance.maximum);
    frame[st::POLARITY_NEG] = running && engine.pickupNegative;
    const int expectedPolarity = engine.pickupNegative ? 1 : 0;
    frame[st::POLARITY_OK] =
        running && (unit.polarita() == kPolaritySelfsearch || unit.polarita() == expectedPolarity);
    frame[st::START_LIMITER_ON] = inputDoes(kInputStartLimiter) && reached(unit.limiter(0));
    frame[st::LIMITER_ON] = reached(unit.limiter(1));
    frame[st::BLOCKING_ON] = in2 && unit.input(1) == kInputKill;
    frame[st::KILL_SWITCH_ON] = in1 && unit.input(0) == kInputKill;
    frame[st::SHIFT_LIGHT_ON] = reached(unit.pilotLight());
    frame[st::RETARD_ON] = retard;
    frame[st::CLUTCH_ON] = inputDoes(kInputClutch);
    frame[st::PICKUP_SIGNAL] = running;
    frame[st::BASIC_ADVANCE] = advance.basic;
    putU16(frame, st::SAVE_COUNTDOWN, counters.saveCountdown);
    frame[st::EE_DATA_ERROR] = counters.eeDataError;
    frame[st::FORMAT_VERSION] = quint8(counters.formatVersion);
    sealFrame(frame);
    return frame;
}
