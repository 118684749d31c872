#include "RangeRule.h"

#include "MessageTable.h"

namespace {
constexpr quint8 kLastComPort = 10;
}

void ApplyRangeRule(ParameterSet &image, quint8 &language, quint8 &comPort)
{
    image.NormaliseParameterSet();
    if (language >= lang::kLanguageCount)
        language = lang::English;
    if (comPort > kLastComPort)
        comPort = 1;
}
