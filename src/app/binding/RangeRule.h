#pragma once

#include "ParameterSet.h"

// The range rule run after every change: the image's own rule, plus the two
// window settings that a settings file can bring in out of range.
void ApplyRangeRule(ParameterSet &image, quint8 &language, quint8 &comPort);
