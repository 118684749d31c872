#include "WindowPlacement.h"

#include "ScreenCentre.h"
#include "WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void WindowPlacement::centreOnScreen()
{
    const QSize outer = windowframe::outerBounds(&m_window).size();
    if (const std::optional<QPoint> centred = centredOnPrimaryScreen(outer))
        placeOuter(QRect(*centred, outer));
}

void WindowPlacement::placeOuter(const QRect &outer)
{
    m_outerBounds = outer;
    windowframe::setOuterBounds(&m_window, outer);
}

// A position stored while another monitor was attached may lie off every
// screen now; such a window would be unreachable.
void WindowPlacement::keepOnSomeScreen()
{
    const QRect bounds = windowframe::outerBounds(&m_window);
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(bounds))
            return;
    }
    centreOnScreen();
}

// The frame becomes known only once the window system has the window (for
// some, once it has placed it on screen); until then the client area had the
// whole outer size.
void WindowPlacement::fitOuterSizeToFrame()
{
    if (m_frameFitted || windowframe::margins(&m_window).isNull())
        return;
    m_frameFitted = true;
    windowframe::setOuterBounds(&m_window, m_outerBounds);
}
