#pragma once

#include <QRect>

#include <functional>

class QWidget;

// Where the main window stands, by its outer bounds (frame included) as the
// design and the settings file give them. Where the screen's available area
// is too small for them, the window gets that area's size instead and stays
// on it, title bar included; it gets the asked size back once it fits again.
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
    // The window's screen, or its available area, changed: fits the window to it anew.
    void fitToScreen();
    // The bounds to keep in the settings: where the window stands, with the
    // size asked for while the screen is what keeps it smaller.
    QRect boundsToKeep() const;

    // Told before each placement whether the window gets the whole asked size.
    void setFitObserver(std::function<void(bool whole)> observer)
    {
        m_fitObserver = std::move(observer);
    }

private:
    QSize wantedSize() const;
    void apply(const QRect &area);

    QWidget &m_window;
    QRect m_outerBounds;        // frame included, as the design or the settings ask
    QSize m_shownSize;          // the outer size last given, after fitting to the screen
    bool m_frameFitted = false; // the client area allows for the frame
    std::function<void(bool whole)> m_fitObserver;
};
