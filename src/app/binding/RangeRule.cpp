#include "RangeRule.h"

#include "ComItems.h"
#include "MessageTable.h"

void ApplyRangeRule(ParameterSet &image, quint8 &language, quint8 &comPort)
{
    image.NormaliseParameterSet();
    if (language >= lang::kLanguageCount)
        language = lang::English;
    if (comPort > comitems::kLast)
        comPort = comitems::kFirst;
}
