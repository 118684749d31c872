#pragma once

#include "ParameterSet.h"

class WindowState;

// The range rule run after every change: the image's own rule, plus the two
// window settings that a settings file can bring in out of range.
void ApplyRangeRule(ParameterSet &image, WindowState &state);
