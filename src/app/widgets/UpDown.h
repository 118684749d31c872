#pragma once

#include "SpinEdit.h"

#include <QBasicTimer>
#include <QPointer>
#include <QWidget>

// The arrow pair of a spin field. It steps its edit by the edit's single step
// within the edit's range, never wrapping, and reports every step as a click.
// Holding an arrow repeats the step. A click puts the focus into the edit.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    void setEdit(SpinEdit *edit);
    SpinEdit *edit() const { return m_edit; }

    // Pairs every UpDownX below root with the SpinEdit EditX of the same window.
    static void pairWithEdits(QWidget *root);

    QSize sizeHint() const override { return {16, 21}; }

public slots:
    // One step up (+1) or down (-1) from the number the edit stands for, then clicked().
    void step(int direction);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    int directionAt(const QPoint &pos) const { return pos.y() < height() / 2 ? 1 : -1; }

    QPointer<SpinEdit> m_edit;
    QBasicTimer m_repeat;
    int m_pressed = 0; // direction of the held arrow, 0 when none
};
