#pragma once

#include <QCheckBox>

// A check box that reports the release of a mouse button over it, after the
// release has toggled it. Toggling it from the keyboard reports nothing.
class MouseUpCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

signals:
    void mouseReleased();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QCheckBox::mouseReleaseEvent(event);
        emit mouseReleased();
    }
};
