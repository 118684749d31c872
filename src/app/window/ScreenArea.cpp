#include "ScreenArea.h"

#include <QGuiApplication>
#include <QScreen>

namespace screenarea {

QRect availableFor(const QRect &outer)
{
    const QScreen *screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect fitInto(const QRect &outer, const QRect &area)
{
    if (area.isEmpty() || (outer.width() <= area.width() && outer.height() <= area.height()))
        return outer;
    const QSize size = outer.size().boundedTo(area.size());
    return QRect(qBound(area.left(), outer.left(), area.right() + 1 - size.width()),
                 qBound(area.top(), outer.top(), area.bottom() + 1 - size.height()), size.width(),
                 size.height());
}

} // namespace screenarea
