#pragma once

#include "ControlTables.h"

namespace Ui {
class TFormHlav;
}

// Gives every spin field of the form its range and step from the model's
// control ranges, the ones the command line applies too.
void applySpinRanges(Ui::TFormHlav &ui, const ControlTables &tables);
