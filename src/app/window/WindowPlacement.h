#pragma once

#include <QRect>

class QWidget;

// Where the main window stands, by its outer bounds (frame included) as the
// design and the settings file give them.
class WindowPlacement
{
public:
    explicit WindowPlacement(QWidget &window) : m_window(window) {}

    void centreOnScreen();
    void placeOuter(const QRect &outer);
    // A position off every screen now opens centred.
    void keepOnSomeScreen();
    // Once the window system reports the frame, places the window again as asked.
    void fitOuterSizeToFrame();

private:
    QWidget &m_window;
    QRect m_outerBounds;        // frame included, as the design or the settings ask
    bool m_frameFitted = false; // the client area allows for the frame
};
