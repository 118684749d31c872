#pragma once

// The serial ports the program offers as the Com menu's items, Com 1 to
// Com 10: the settings file stores one of them, the link opens it.
namespace comitems {

constexpr int kFirst = 1;
constexpr int kLast = 10;

} // namespace comitems
