#include "WindowFrame.h"

#include <QWidget>

namespace windowframe {

QMargins margins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect outerBounds(const QWidget *window)
{
    return window->frameGeometry();
}

void setOuterBounds(QWidget *window, const QRect &outer)
{
    // A top-level window's pos() is that of its frame.
    window->move(outer.topLeft());
    window->resize(outer.size().shrunkBy(margins(window)));
}

} // namespace windowframe
