#include "WheelNeedsFocus.h"

#include <QComboBox>
#include <QEvent>

void WheelNeedsFocus::installBelow(QWidget *root)
{
    auto *filter = new WheelNeedsFocus(root);
    for (QComboBox *list : root->findChildren<QComboBox *>())
        list->installEventFilter(filter);
}

bool WheelNeedsFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    return widget && !widget->hasFocus();
}
