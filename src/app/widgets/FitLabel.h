#pragma once

#include <QLabel>

// A label whose size follows its text, however the text is set, so that no
// language clips it: a text too long for the room left in its parent, or for
// its maximum width, breaks into lines there. It never shrinks below its minimum size, which keeps
// the coloured labels at their design size.
class FitLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FitLabel(QWidget *parent = nullptr);

    void fit();

protected:
    bool event(QEvent *event) override;

private:
    void watchParent();

    bool m_fitting = false;
};
