#pragma once

#include "StatusRecord.h"

#include <array>

// One status answer as plain values.
struct MonitorValues
{
    quint16 engineSpeed = 0; // rpm; 0 without a pick-up signal
    bool pickup = false;
    bool basicAdvance = false;
    int advanceNow = 0; // degrees, signed
    int advanceMax = 0;
    quint16 supplyMv = 0;
    bool startLimiter = false;
    bool limiter = false;
    bool shiftLight = false;
    bool clutch = false;
    bool retard = false;
    bool blocking = false;
    bool killSwitch = false;
    bool input1 = false;
    bool input2 = false;
    bool polarityNegative = false;
    bool polarityOk = false;
    int formatVersion = 0;
    bool eeDataError = false;
    quint16 progCount = 0;
    quint16 saveCountdown = 0;
    std::array<quint16, wire::status::TEST_VALUE_COUNT> testValues{};

    bool versionMatches() const { return formatVersion == wire::PC_FORMAT_VERSION; }

    static MonitorValues fromStatus(const StatusRecord &status);
};
