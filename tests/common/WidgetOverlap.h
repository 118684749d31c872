#pragma once

#include <QGroupBox>
#include <QWidget>

namespace testlayout {

// Two widgets side by side that cover each other. Group boxes stacked in the
// form may share the one-pixel line of their frames, as the tachometer and
// input boxes do; anything more is an overlap.
inline bool overlap(const QWidget *a, const QWidget *b)
{
    const QRect common = a->geometry().intersected(b->geometry());
    if (common.isEmpty())
        return false;
    const bool frames = qobject_cast<const QGroupBox *>(a) && qobject_cast<const QGroupBox *>(b);
    return !(frames && (common.height() == 1 || common.width() == 1));
}

} // namespace testlayout
