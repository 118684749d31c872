#pragma once

#include <QString>

#include <functional>

// Whether the desktop has a program to show a file of this kind. The desktop
// opens files in the background, so a missing viewer would otherwise go
// unnoticed: the launch itself succeeds.
using ViewerCheck = std::function<bool(const QString &file)>;

// Asks the desktop's own file associations; says yes when it cannot tell.
bool desktopHasViewer(const QString &file);
