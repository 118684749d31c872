#pragma once

// The layout of the parameter set that this program reads and writes. A unit
// reports its own in page 0 and a parameter file carries it; another one
// means another layout.
constexpr int PC_FORMAT_VERSION = 46;
