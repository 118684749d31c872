#pragma once

#include <QPoint>
#include <QSize>

#include <optional>

// Where a window of the given size has its top-left corner when centred on
// the primary screen: half the screen less half the window, each halved
// alone. Nothing when there is no screen.
std::optional<QPoint> centredOnPrimaryScreen(const QSize &size);
