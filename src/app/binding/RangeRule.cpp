#include "RangeRule.h"

#include "ComItems.h"
#include "MessageTable.h"
#include "WindowState.h"

void ApplyRangeRule(ParameterSet &image, WindowState &state)
{
    image.NormaliseParameterSet();
    if (state.language() >= lang::kLanguageCount)
        state.setLanguage(lang::English);
    if (state.comPort() > comitems::kLast)
        state.setComPort(comitems::kFirst);
}
