#pragma once

#include <QObject>

class QWidget;

// A list that the wheel scrolls only while it has the focus. Turning the
// wheel over an unfocused list to scroll the window must not change a setting
// (and with "Programming after change" ticked, program the unit).
class WheelNeedsFocus : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Installs one filter, owned by root, on every drop-down list below root.
    static void installBelow(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
