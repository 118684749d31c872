#pragma once

#include "UnitInfo.h"

class ParameterSet;
struct ControlTables;
namespace Ui {
class TFormHlav;
}

// Recomputes from the image and the window flags which controls show, which are
// greyed and which are painted red, and turns the window into a plain sheet for
// printing. Keeps no state: the last run decides the look.
void ApplyVisibilityRules(Ui::TFormHlav &ui, const ControlTables &tables, const ParameterSet &image,
                          bool printMode, const UnitIdentification &unit);
