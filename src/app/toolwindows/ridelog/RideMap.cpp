#include "RideMap.h"

#include "CurvePoint.h"
#include "ParameterCodes.h"
#include "ParameterSet.h"
#include "RideSummary.h"
#include "RideTimeLine.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMapLeft = 56, kMapRight = 16, kMapTop = 22, kMapBottom = 40;
constexpr double kBarShare = 0.3; // of the plot's height, for the point with the most time
const QColor kCurve(0, 0, 160);
const QColor kBar(0, 150, 0, 110);
const QColor kMapCursor(255, 0, 255);
const QColor kMapGrid(225, 225, 225);

int pointRpm(const ParameterSet &image, int index)
{
    return codes::toDisplay(image.rpmAdv(index), codes::kRpmScale);
}

int pointCount(const ParameterSet &image)
{
    return std::min<int>(image.pocetBodu(), ParameterSet::kCurvePoints);
}

} // namespace

RideMap::RideMap(const ParameterSet &image, QWidget *parent) : QWidget(parent), m_image(image)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

void RideMap::setLog(const RideLog *log)
{
    m_log = log;
    m_cursor.reset();
    refresh();
}

void RideMap::setTexts(const QString &speedAxis, const QString &advanceAxis,
                       const QString &timeAtPoint)
{
    m_speedAxis = speedAxis;
    m_advanceAxis = advanceAxis;
    m_timeAtPoint = timeAtPoint;
    update();
}

void RideMap::refresh()
{
    m_timeAtPoints.clear();
    if (m_log) {
        m_timeAtPoints = timePerPoint(*m_log, pointCount(m_image), [this](float rpm) {
            return nearestCurvePoint(m_image, quint16(std::clamp(rpm, 0.0f, 65535.0f)));
        });
    }
    fitAxes();
    m_dots = QImage();
    update();
}

void RideMap::setCursorRow(std::optional<int> row)
{
    m_cursor = row;
    update();
}

void RideMap::fitAxes()
{
    double speed = 1000, low = 0, high = 10;
    for (int i = 0; i < pointCount(m_image); ++i) {
        speed = std::max<double>(speed, pointRpm(m_image, i));
        high = std::max<double>(high, m_image.advance(i));
    }
    if (m_log) {
        for (const RideSample &sample : m_log->samples) {
            speed = std::max<double>(speed, sample.rpm);
            low = std::min<double>(low, sample.advance);
            high = std::max<double>(high, sample.advance);
        }
    }
    m_speedMax = std::ceil((speed + 500) / 1000) * 1000;
    m_advanceLow = std::floor(low / 5) * 5;
    m_advanceHigh = std::ceil((high + 2) / 5) * 5;
}

QRectF RideMap::plotArea() const
{
    return QRectF(kMapLeft, kMapTop, std::max(1.0, width() - kMapLeft - kMapRight),
                  std::max(1.0, height() - kMapTop - kMapBottom));
}

QPointF RideMap::toWidget(double rpm, double advance) const
{
    const QRectF area = plotArea();
    return {area.left() + rpm / m_speedMax * area.width(),
            area.bottom() -
                (advance - m_advanceLow) / (m_advanceHigh - m_advanceLow) * area.height()};
}

void RideMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF area = plotArea();
    painter.setPen(kMapGrid);
    const double speedStep = m_speedMax > 10000 ? 2000 : 1000;
    for (double rpm = 0; rpm <= m_speedMax; rpm += speedStep) {
        const QPointF at = toWidget(rpm, m_advanceLow);
        painter.setPen(kMapGrid);
        painter.drawLine(QPointF(at.x(), area.top()), at);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(at.x() - 30, area.bottom() + 2, 60, 16), Qt::AlignCenter,
                         QString::number(rpm, 'f', 0));
    }
    for (double advance = m_advanceLow; advance <= m_advanceHigh; advance += 5) {
        const QPointF at = toWidget(0, advance);
        painter.setPen(kMapGrid);
        painter.drawLine(at, QPointF(area.right(), at.y()));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(0, at.y() - 8, kMapLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(advance, 'f', 0));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 18, area.width(), 20), Qt::AlignCenter,
                     m_speedAxis);
    painter.drawText(QRectF(area.left(), 0, area.width(), kMapTop),
                     Qt::AlignLeft | Qt::AlignVCenter, m_advanceAxis);
    painter.setPen(kBar.darker(200));
    painter.drawText(QRectF(area.left(), 0, area.width(), kMapTop),
                     Qt::AlignRight | Qt::AlignVCenter, m_timeAtPoint);
    paintRecorded(painter);
    paintCurve(painter);
}

// A pixel per recorded point, darker where more rows fall; drawn once into an image.
void RideMap::paintRecorded(QPainter &painter)
{
    if (!m_log)
        return;
    const QRectF area = plotArea();
    if (m_dots.size() != size()) {
        QVector<quint16> counts(width() * height(), 0);
        for (const RideSample &sample : m_log->samples) {
            const QPointF at = toWidget(sample.rpm, sample.advance);
            const int x = int(at.x()), y = int(at.y());
            if (x >= 0 && y >= 0 && x < width() && y < height() && counts[y * width() + x] < 0xffff)
                ++counts[y * width() + x];
        }
        m_dots = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        m_dots.fill(Qt::transparent);
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                if (const int count = counts[y * width() + x]) {
                    const int alpha = std::min(255, 70 + count * 20);
                    m_dots.setPixel(x, y, qPremultiply(qRgba(90, 90, 90, alpha)));
                }
            }
        }
    }
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(0, 0, m_dots);
    painter.restore();
    if (m_cursor && *m_cursor < m_log->samples.size()) {
        const RideSample &sample = m_log->samples[*m_cursor];
        painter.setPen(QPen(kMapCursor, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(toWidget(sample.rpm, sample.advance), 6, 6);
    }
}

void RideMap::paintCurve(QPainter &painter) const
{
    const QRectF area = plotArea();
    const int count = pointCount(m_image);
    const qint64 most = m_timeAtPoints.isEmpty()
                            ? 0
                            : *std::max_element(m_timeAtPoints.cbegin(), m_timeAtPoints.cend());
    // The bars first, under the curve.
    for (int i = 0; i < count && i < m_timeAtPoints.size() && most > 0; ++i) {
        const double x = toWidget(pointRpm(m_image, i), 0).x();
        const double height = area.height() * kBarShare * m_timeAtPoints[i] / most;
        painter.fillRect(QRectF(x - 5, area.bottom() - height, 10, height), kBar);
        if (m_timeAtPoints[i] > 0) {
            painter.setPen(kBar.darker(250));
            painter.drawText(QRectF(x - 30, area.bottom() - height - 16, 60, 14),
                             Qt::AlignHCenter | Qt::AlignBottom, minutesSeconds(m_timeAtPoints[i]));
        }
    }
    QPolygonF curve;
    for (int i = 0; i < count; ++i)
        curve.append(toWidget(pointRpm(m_image, i), m_image.advance(i)));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kCurve, 2));
    painter.drawPolyline(curve);
    painter.setBrush(Qt::white);
    for (const QPointF &at : curve)
        painter.drawEllipse(at, 4, 4);
}
