#pragma once

#include <QLabel>

// A label whose size follows its text, however the text is set, so that no
// language clips it. It never shrinks below its minimum size, which keeps the
// coloured labels at their design size.
class FitLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FitLabel(QWidget *parent = nullptr);

    void fit() { resize(sizeHint().expandedTo(minimumSize())); }

protected:
    bool event(QEvent *event) override;

private:
    void watchParent();
};
