#include "RangeRule.h"

#include "MessageTable.h"
#include "PollCycle.h"

void ApplyRangeRule(ParameterSet &image, quint8 &language, quint8 &comPort)
{
    image.NormaliseParameterSet();
    if (language >= lang::kLanguageCount)
        language = lang::English;
    if (comPort > PollCycle::kLastComPort)
        comPort = PollCycle::kFirstComPort;
}
