#include "WindowPlacement.h"

#include "ScreenArea.h"
#include "ScreenCentre.h"
#include "WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void WindowPlacement::centreOnScreen()
{
    const QSize outer = wantedSize();
    if (const std::optional<QPoint> centred = centredOnPrimaryScreen(outer))
        placeOuter(QRect(*centred, outer));
}

void WindowPlacement::placeOuter(const QRect &outer)
{
    m_outerBounds = outer;
    apply(screenarea::availableFor(outer));
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
    apply(screenarea::availableFor(m_outerBounds));
}

void WindowPlacement::fitToScreen()
{
    // Until the frame is allowed for, the window's size is not yet the one asked.
    if (!m_frameFitted && !windowframe::margins(&m_window).isNull())
        return fitOuterSizeToFrame();
    m_outerBounds = boundsToKeep();
    const QScreen *screen = m_window.screen();
    apply(screen ? screen->availableGeometry() : screenarea::availableFor(m_outerBounds));
}

QRect WindowPlacement::boundsToKeep() const
{
    return QRect(windowframe::outerBounds(&m_window).topLeft(), wantedSize());
}

// A size other than the one last given is the user's.
QSize WindowPlacement::wantedSize() const
{
    const QSize now = windowframe::outerBounds(&m_window).size();
    return now == m_shownSize ? m_outerBounds.size() : now;
}

void WindowPlacement::apply(const QRect &area)
{
    const QRect shown = screenarea::fitInto(m_outerBounds, area);
    m_shownSize = shown.size();
    if (m_fitObserver)
        m_fitObserver(shown.size() == m_outerBounds.size());
    windowframe::setOuterBounds(&m_window, shown);
}
