#include "MonitorValues.h"

namespace st = wire::status;

MonitorValues MonitorValues::fromStatus(const StatusRecord &status)
{
    MonitorValues v;
    v.engineSpeed = status.currentSpeed();
    v.pickup = status.flag(st::PICKUP_SIGNAL);
    v.basicAdvance = status.flag(st::BASIC_ADVANCE);
    v.advanceNow = status.advanceNow();
    v.advanceMax = status.advanceMax();
    v.supplyMv = status.supplyMv();
    v.startLimiter = status.flag(st::START_LIMITER_ON);
    v.limiter = status.flag(st::LIMITER_ON);
    v.shiftLight = status.flag(st::SHIFT_LIGHT_ON);
    v.clutch = status.flag(st::CLUTCH_ON);
    v.retard = status.flag(st::RETARD_ON);
    v.blocking = status.flag(st::BLOCKING_ON);
    v.killSwitch = status.flag(st::KILL_SWITCH_ON);
    v.input1 = status.flag(st::INPUT1_ACTIVE);
    v.input2 = status.flag(st::INPUT2_ACTIVE);
    v.polarityNegative = status.flag(st::POLARITY_NEG);
    v.polarityOk = status.flag(st::POLARITY_OK);
    v.formatVersion = status.formatVersion();
    v.eeDataError = status.flag(st::EE_DATA_ERROR);
    v.progCount = status.progCount();
    v.saveCountdown = status.saveCountdown();
    for (int i = 0; i < st::TEST_VALUE_COUNT; ++i)
        v.testValues[size_t(i)] = status.testValue(i);
    return v;
}
