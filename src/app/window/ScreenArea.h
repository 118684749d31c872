#pragma once

#include <QRect>

// The part of the desktop a window may take: its screen's available area,
// panels and docks left out.
namespace screenarea {

// The available area of the screen that holds the centre of outer, or of the
// primary screen when none does; empty when there is no screen.
QRect availableFor(const QRect &outer);

// outer as it fits into area: unchanged when it fits; else no larger than
// area and moved into it, so that its title bar stays on the screen.
QRect fitInto(const QRect &outer, const QRect &area);

} // namespace screenarea
