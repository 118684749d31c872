#pragma once

#include "EngineModel.h"
#include "ParameterSet.h"
#include "SimFrame.h"

#include <array>

// The advance the unit fires at for a speed, from the programmed curve.
struct AdvanceReading
{
    int degrees = 0;   // may go below 0 with a retard
    int maximum = 0;   // highest advance of the points in use
    bool basic = true; // below the first point or stopped: the base advance
};

AdvanceReading advanceAt(const ParameterSet &unit, int rpm, bool retard);

// Counters and options the status answer reports besides the engine.
struct UnitCounters
{
    int progCount = 0;
    int saveCountdown = 0;
    bool eeDataError = false;
    int formatVersion = wire::PC_FORMAT_VERSION;
    std::array<quint16, wire::status::TEST_VALUE_COUNT> testValues{};
};

// The answer to a status request for the stored parameters and the engine as it is now.
Frame composeStatus(const ParameterSet &unit, const EngineState &engine,
                    const UnitCounters &counters);
