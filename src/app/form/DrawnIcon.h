#pragma once

#include <QIcon>
#include <QString>

// The program's own drawing of the tool bar icon <name>: :/icons/<name>.svg,
// shown from the PNGs rendered from it at build time (:/icons/<name>-<pixels>.png)
// where there is one for the size asked, and drawn from the SVG otherwise.
// The SVG renderer is loaded only for a size with no PNG.
QIcon drawnIcon(const QString &name);
