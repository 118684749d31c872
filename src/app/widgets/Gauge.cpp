#include "Gauge.h"

#include <QPainter>

Gauge::Gauge(QWidget *parent) : QProgressBar(parent)
{
    setTextVisible(false);
}

void Gauge::setBarColor(const QColor &color)
{
    m_barColor = color;
    update();
}

// Painted here rather than by the style, so the bar has its colour on every
// platform style, native ones included: the base colour inside a frame of
// the palette's mid colour, and the bar from the left. The frame's four
// edges are drawn smoothed, each one pixel of the widget wide, so that at a
// scale such as 1.5 they blend into their neighbours as a style sheet's
// border does.
void Gauge::paintEvent(QPaintEvent *event)
{
    // Without a colour of its own it is the style's bar, as it always was.
    if (!m_barColor.isValid()) {
        QProgressBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF outline(rect());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Mid));
    painter.drawRect(QRectF(outline.left(), outline.bottom() - 1, outline.width(), 1));
    painter.drawRect(QRectF(outline.right() - 1, outline.top(), 1, outline.height()));
    painter.drawRect(QRectF(outline.left(), outline.top(), outline.width(), 1));
    painter.drawRect(QRectF(outline.left(), outline.top(), 1, outline.height()));
    painter.restore();

    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0 || value() < minimum())
        return;
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const int filled = int(inside.width() * (double(value() - minimum()) / double(span)));
    painter.fillRect(QRect(inside.topLeft(), QSize(filled, inside.height())), m_barColor);
}
