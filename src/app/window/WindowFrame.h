#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// A window's bounds as the settings file keeps them: its outer edges, frame
// and title bar included. The frame is what the window system reports once
// it has put the window on screen (frameGeometry against geometry); before
// that, and where windows have no frame, it counts as none.
namespace windowframe {

QMargins margins(const QWidget *window);

QRect outerBounds(const QWidget *window);

// Puts the frame's top-left corner at outer's and sizes the client area so
// that the window, frame included, has outer's size.
void setOuterBounds(QWidget *window, const QRect &outer);

} // namespace windowframe
