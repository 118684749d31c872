#include "ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<QPoint> centredOnPrimaryScreen(const QSize &size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QRect area = screen->geometry();
    return QPoint(area.left() + area.width() / 2 - size.width() / 2,
                  area.top() + area.height() / 2 - size.height() / 2);
}
