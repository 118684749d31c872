#pragma once

#include <QColor>
#include <QProgressBar>

// A bar gauge without text in one solid colour; values outside its range are
// shown at the nearer end instead of being ignored.
class Gauge : public QProgressBar
{
    Q_OBJECT
    Q_PROPERTY(QColor barColor READ barColor WRITE setBarColor)

public:
    explicit Gauge(QWidget *parent = nullptr);

    QColor barColor() const { return m_barColor; }
    void setBarColor(const QColor &color);

    void setValue(int value) { QProgressBar::setValue(qBound(minimum(), value, maximum())); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_barColor;
};
