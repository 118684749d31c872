#pragma once

#include "ParameterSet.h"

#include <optional>

// Advance - and + (step -1 or +1): one degree off or on, on all fifteen points
// or on the point nearest the engine speed only; an advance at 0 or 60 stays there.
void ShiftAdvance(ParameterSet &image, int step, bool allPoints, std::optional<int> currentPoint);
