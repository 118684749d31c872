#pragma once

#include "ParameterSet.h"

#include <optional>

// The ranges of the window's controls, in the units they show (rpm, ms,
// degrees, percent, counts), and what a set goes through when the window
// shows it and collects it again: a control holds only what its range
// allows. The window's controls take their ranges from here, and the command
// line sends what the window would.
namespace controlranges {

struct SpinRange
{
    int minimum;
    int maximum;
    int step;
};

// The range of the spin field that shows the byte at position; none for a
// byte shown by a list, a radio group, a check box, or not at all.
std::optional<SpinRange> spinRange(int position);

// Items of the radio groups RadioGroupPolarita and RadioGroupInput1/2.
constexpr int kPolarityItems = 3;
constexpr int kInputItems = 5;

// The set as the controls hold it once it is shown in them and collected:
// every spin field clamped into its range, radio choices to their last item,
// flags to 0 or 1, the ignitions per revolution to a list entry, and the
// pick-up kind's forced values. BIKE, page 0 and the spare bytes stay as they
// are; a BIKE the list does not hold is the caller's to refuse (the window's
// list then keeps the kind it showed before).
void takeThroughControls(ParameterSet &image);

// What Program and Verify send for a set opened from a file: the range rule
// as the file is opened, the controls, the range rule again before sending.
ParameterSet setToSend(const ParameterSet &opened);

} // namespace controlranges
