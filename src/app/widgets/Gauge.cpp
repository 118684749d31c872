#include "Gauge.h"

Gauge::Gauge(QWidget *parent) : QProgressBar(parent)
{
    setTextVisible(false);
}

void Gauge::setBarColor(const QColor &color)
{
    m_barColor = color;
    // A style sheet colours the bar on every platform style, native ones included.
    setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid palette(mid); "
                                 "background: palette(base); }"
                                 "QProgressBar::chunk { background: %1; }")
                      .arg(color.name()));
}
