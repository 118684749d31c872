#include "CurveGraph.h"

#include "Background.h"
#include "ParameterCodes.h"
#include "ParameterSet.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Room for the axis numbers and titles around the plot.
constexpr double kLeft = 60, kRight = 32, kTop = 26, kBottom = 46;
constexpr double kGrabRadius = 10;
constexpr int kSpeedMargin = 1000; // beyond the highest speed shown
constexpr int kSpeedAxisMin = 5000;

// The live monitor's colours, so that a colour means the same in both windows.
const QColor kLime(0, 255, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kCurve(0, 0, 160);
const QColor kBase(0, 128, 128);
const QColor kGrid(225, 225, 225);
const QColor kSecondCurve(200, 110, 0);
const QColor kRange(0, 0, 160, 40);

// The design's colours on a light background; on a dark one each is lightened
// until it reads (3:1, as for lines and large text): near-black swallows navy
// and dark red.
QColor readableOn(const QColor &colour, const QColor &background)
{
    if (background.lightnessF() >= 0.5)
        return colour;
    QColor shade = colour;
    for (int step = 0; step < 10 && contrastRatio(shade, background) < 3.0; ++step)
        shade = shade.lighter(130);
    if (contrastRatio(shade, background) < 3.0)
        shade = readableTextOn(background);
    return shade;
}

// Faint lines a step off the background, light or dark.
QColor gridOn(const QColor &background)
{
    return background.lightnessF() < 0.5 ? background.lighter(170) : kGrid;
}

// The smallest of the steps that keeps grid lines at least minPixels apart.
int gridStep(double pixelsPerUnit, std::initializer_list<int> steps, double minPixels)
{
    for (int step : steps) {
        if (step * pixelsPerUnit >= minPixels)
            return step;
    }
    return *(steps.end() - 1);
}

int roundToStep(double value, int step)
{
    return int(std::lround(value / step)) * step;
}

} // namespace

CurveGraph::CurveGraph(const ParameterSet &image, QWidget *parent) : QWidget(parent), m_image(image)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CurveGraph::setRanges(const Ranges &ranges)
{
    m_ranges = ranges;
    update();
}

void CurveGraph::setTexts(const QString &speedAxis, const QString &advanceAxis,
                          const QString &baseAdvance, const QString &startLimiter,
                          const QString &limiter)
{
    m_speedAxis = speedAxis;
    m_advanceAxis = advanceAxis;
    m_baseAdvance = baseAdvance;
    m_startLimiter = startLimiter;
    m_limiter = limiter;
    update();
}

void CurveGraph::setOperatingPoint(std::optional<OperatingPoint> point)
{
    const bool same = point.has_value() == m_operatingPoint.has_value() &&
                      (!point || (point->rpm == m_operatingPoint->rpm &&
                                  point->advance == m_operatingPoint->advance));
    m_operatingPoint = point;
    if (!same)
        update();
}

void CurveGraph::setCurrentPoint(std::optional<int> point)
{
    if (point == m_currentPoint)
        return;
    m_currentPoint = point;
    update();
}

void CurveGraph::selectPoint(int index)
{
    selectRange(index, index);
}

void CurveGraph::selectRange(int anchor, int selected)
{
    m_anchor = std::clamp(anchor, 0, ParameterSet::kCurvePoints - 1);
    m_selected = std::clamp(selected, 0, ParameterSet::kCurvePoints - 1);
    update();
    emit selectionChanged();
}

int CurveGraph::rangeFirst() const
{
    return std::clamp(std::min(m_anchor, m_selected), 0, std::max(0, pointCount() - 1));
}

int CurveGraph::rangeLast() const
{
    return std::clamp(std::max(m_anchor, m_selected), 0, std::max(0, pointCount() - 1));
}

void CurveGraph::setSecondCurve(const QList<QPoint> &points)
{
    m_secondCurve = points;
    update();
}

void CurveGraph::setRecordedPoint(std::optional<OperatingPoint> point,
                                  std::optional<int> curvePoint)
{
    m_recorded = point;
    m_recordedCurrent = point ? curvePoint : std::nullopt;
    update();
}

int CurveGraph::pointCount() const
{
    return std::min<int>(m_image.pocetBodu(), ParameterSet::kCurvePoints);
}

CurveGraph::Point CurveGraph::point(int index) const
{
    if (m_dragged == index)
        return m_dragValue;
    return {codes::toDisplay(m_image.rpmAdv(index), codes::kRpmScale), m_image.advance(index)};
}

int CurveGraph::speedMax() const
{
    if (m_dragged)
        return m_frozenSpeedMax;
    int highest = std::max(codes::toDisplay(m_image.limiter(0), codes::kRpmScale),
                           codes::toDisplay(m_image.limiter(1), codes::kRpmScale));
    for (int i = 0; i < pointCount(); ++i)
        highest = std::max(highest, point(i).rpm);
    for (const QPoint &p : m_secondCurve)
        highest = std::max(highest, p.x());
    const int withMargin = (highest + kSpeedMargin + 999) / 1000 * 1000;
    return std::max(withMargin, kSpeedAxisMin);
}

QRectF CurveGraph::plotArea() const
{
    return QRectF(kLeft, kTop, std::max(1.0, width() - kLeft - kRight),
                  std::max(1.0, height() - kTop - kBottom));
}

QPointF CurveGraph::toWidget(double rpm, double advance) const
{
    const QRectF area = plotArea();
    const double span = std::max(1, m_ranges.advanceMax - m_ranges.advanceMin);
    return {area.left() + area.width() * rpm / speedMax(),
            area.bottom() - area.height() * (advance - m_ranges.advanceMin) / span};
}

QPointF CurveGraph::pointPosition(int index) const
{
    const Point p = point(index);
    return toWidget(p.rpm, p.advance);
}

CurveGraph::Point CurveGraph::snapped(const QPointF &position) const
{
    const QRectF area = plotArea();
    const double rpm = (position.x() - area.left()) / area.width() * speedMax();
    const double advance = m_ranges.advanceMin + (area.bottom() - position.y()) / area.height() *
                                                     (m_ranges.advanceMax - m_ranges.advanceMin);
    return {std::clamp(roundToStep(rpm, kRpmStep), m_ranges.rpmMin, m_ranges.rpmMax),
            std::clamp(int(std::lround(advance)), m_ranges.advanceMin, m_ranges.advanceMax)};
}

std::optional<int> CurveGraph::pointNear(const QPointF &position) const
{
    std::optional<int> nearest;
    double best = kGrabRadius;
    for (int i = 0; i < pointCount(); ++i) {
        const QPointF d = pointPosition(i) - position;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

void CurveGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrid(painter);
    painter.setClipRect(plotArea().adjusted(-8, -8, 8, 8));
    paintMarkers(painter);
    paintRange(painter);
    paintSecondCurve(painter);
    paintCurve(painter);
    paintOperatingPoint(painter);
}

void CurveGraph::paintGrid(QPainter &painter) const
{
    const QRectF area = plotArea();
    const QFontMetricsF metrics(font());
    const QLocale locale;
    const int top = speedMax();
    const int speedStep = gridStep(area.width() / top, {500, 1000, 2000, 5000},
                                   metrics.horizontalAdvance("00 000") + 8);
    const double span = std::max(1, m_ranges.advanceMax - m_ranges.advanceMin);
    const int advanceStep = gridStep(area.height() / span, {5, 10, 20}, metrics.height() + 4);

    for (int rpm = 0; rpm <= top; rpm += speedStep) {
        const double x = toWidget(rpm, 0).x();
        painter.setPen(gridOn(palette().color(QPalette::Base)));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(palette().color(QPalette::Text));
        const QString label = locale.toString(rpm);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(label) / 2, area.bottom() + metrics.ascent() + 4),
            label);
    }
    for (int advance = m_ranges.advanceMin; advance <= m_ranges.advanceMax;
         advance += advanceStep) {
        const double y = toWidget(0, advance).y();
        painter.setPen(gridOn(palette().color(QPalette::Base)));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().color(QPalette::Text));
        const QString label = locale.toString(advance);
        painter.drawText(QPointF(area.left() - metrics.horizontalAdvance(label) - 6,
                                 y + metrics.ascent() / 2 - 1),
                         label);
    }

    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(area);
    painter.drawText(
        QRectF(area.left(), height() - metrics.height() - 2, area.width(), metrics.height()),
        Qt::AlignCenter, m_speedAxis);
    painter.save();
    painter.translate(metrics.height() / 2 + 2, area.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-area.height() / 2, -metrics.height() / 2, area.height(), metrics.height()),
        Qt::AlignCenter, m_advanceAxis);
    painter.restore();
}

void CurveGraph::paintMarkers(QPainter &painter) const
{
    const QRectF area = plotArea();
    const QFontMetricsF metrics(font());

    const double baseY = toWidget(0, m_image.baseAdv()).y();
    painter.setPen(QPen(readableOn(kBase, palette().color(QPalette::Base)), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), baseY), QPointF(area.right(), baseY));
    painter.drawText(QPointF(area.left() + 4, baseY - 3), m_baseAdvance);

    // Each speed line carries its name at the top, the second a line lower
    // so that the two stay readable when the speeds are close.
    const auto speedLine = [&](int stored, const QColor &colour, const QString &name, int row) {
        const double x = toWidget(codes::toDisplay(stored, codes::kRpmScale), 0).x();
        painter.setPen(QPen(colour, 1.5, Qt::DashDotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const double textWidth = metrics.horizontalAdvance(name);
        const double textX = x + 4 + textWidth > area.right() ? x - 4 - textWidth : x + 4;
        painter.drawText(QPointF(textX, area.top() + metrics.ascent() + 2 + row * metrics.height()),
                         name);
    };
    speedLine(m_image.limiter(0), readableOn(kFuchsia, palette().color(QPalette::Base)),
              m_startLimiter, 0);
    speedLine(m_image.limiter(1), readableOn(kRed, palette().color(QPalette::Base)), m_limiter, 1);
}

void CurveGraph::paintCurve(QPainter &painter) const
{
    const int count = pointCount();
    if (count == 0)
        return;

    // The stretch over which the unit counts the point in use as nearest.
    const std::optional<int> current = m_recorded ? m_recordedCurrent : m_currentPoint;
    if (current && *current < count) {
        const int c = *current;
        const QPointF at = pointPosition(c);
        QPainterPath stretch;
        stretch.moveTo(c > 0 ? (pointPosition(c - 1) + at) / 2 : at);
        stretch.lineTo(at);
        stretch.lineTo(c + 1 < count ? (pointPosition(c + 1) + at) / 2 : at);
        painter.setPen(QPen(readableOn(kLime, palette().color(QPalette::Base)), 8, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(stretch);
        painter.setBrush(readableOn(kLime, palette().color(QPalette::Base)));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, 8, 8);
    }

    QPainterPath curve;
    curve.moveTo(pointPosition(0));
    for (int i = 1; i < count; ++i)
        curve.lineTo(pointPosition(i));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(readableOn(kCurve, palette().color(QPalette::Base)), 2));
    painter.drawPath(curve);

    for (int i = 0; i < count; ++i) {
        const bool selected = i == m_selected;
        const bool inRange = i >= rangeFirst() && i <= rangeLast();
        const QColor curve = readableOn(kCurve, palette().color(QPalette::Base));
        painter.setPen(QPen(curve, selected && hasFocus() ? 2.5 : 1.5));
        painter.setBrush(inRange ? curve : palette().color(QPalette::Base));
        painter.drawEllipse(pointPosition(i), selected ? 5.5 : 4, selected ? 5.5 : 4);
    }
}

// Drawn under the window's curve, so that where both agree the window's shows.
void CurveGraph::paintSecondCurve(QPainter &painter) const
{
    if (m_secondCurve.isEmpty())
        return;
    QPainterPath curve;
    curve.moveTo(toWidget(m_secondCurve.first().x(), m_secondCurve.first().y()));
    for (const QPoint &p : m_secondCurve)
        curve.lineTo(toWidget(p.x(), p.y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(readableOn(kSecondCurve, palette().color(QPalette::Base)), 2, Qt::DashLine));
    painter.drawPath(curve);
    for (const QPoint &p : m_secondCurve)
        painter.drawEllipse(toWidget(p.x(), p.y()), 3, 3);
}

// The speeds of a range of more than one point, and a drag across points as it goes.
void CurveGraph::paintRange(QPainter &painter) const
{
    const QRectF area = plotArea();
    const auto band = [&](double from, double to) {
        painter.fillRect(QRectF(QPointF(std::min(from, to), area.top()),
                                QPointF(std::max(from, to), area.bottom())),
                         kRange);
    };
    if (m_bandFrom)
        band(*m_bandFrom, m_bandTo);
    else if (rangeLast() > rangeFirst() && rangeLast() < pointCount())
        band(pointPosition(rangeFirst()).x() - 6, pointPosition(rangeLast()).x() + 6);
}

void CurveGraph::paintOperatingPoint(QPainter &painter) const
{
    const std::optional<OperatingPoint> shown = m_recorded ? m_recorded : m_operatingPoint;
    if (!shown)
        return;
    const QRectF area = plotArea();
    QPointF at = toWidget(shown->rpm, shown->advance);
    at.setX(std::clamp(at.x(), area.left(), area.right()));
    at.setY(std::clamp(at.y(), area.top(), area.bottom()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(readableOn(kRed, palette().color(QPalette::Base)), 2));
    painter.drawEllipse(at, 7, 7);
    painter.drawLine(at - QPointF(11, 0), at + QPointF(11, 0));
    painter.drawLine(at - QPointF(0, 11), at + QPointF(0, 11));
}

void CurveGraph::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const auto grabbed = pointNear(event->position());
    if (!grabbed) {
        m_bandFrom = event->position().x();
        m_bandTo = *m_bandFrom;
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        selectRange(m_anchor, *grabbed);
        return;
    }
    m_frozenSpeedMax = speedMax();
    m_dragValue = point(*grabbed);
    m_dragged = grabbed;
    selectPoint(*grabbed);
}

void CurveGraph::mouseMoveEvent(QMouseEvent *event)
{
    if (m_bandFrom) {
        m_bandTo = event->position().x();
        update();
        return;
    }
    if (!m_dragged)
        return;
    m_dragValue = snapped(event->position());
    update();
}

// A click without a move only selects the point.
void CurveGraph::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_bandFrom) {
        // The points dragged across become the range; none leaves it as it was.
        const double low = std::min(*m_bandFrom, event->position().x());
        const double high = std::max(*m_bandFrom, event->position().x());
        m_bandFrom.reset();
        std::optional<int> first, last;
        for (int i = 0; i < pointCount(); ++i) {
            const double x = pointPosition(i).x();
            if (x >= low && x <= high) {
                first = first.value_or(i);
                last = i;
            }
        }
        if (first)
            selectRange(*first, *last);
        update();
        return;
    }
    if (!m_dragged)
        return;
    const int index = *m_dragged;
    const Point dropped = m_dragValue;
    m_dragged.reset();
    const Point before = point(index);
    update();
    if (dropped.rpm != before.rpm || dropped.advance != before.advance)
        emit pointEdited(index, dropped.rpm, dropped.advance);
}

// Arrows move the selected point by one step, each press one edit; Page Up
// and Page Down choose the next or previous point.
void CurveGraph::keyPressEvent(QKeyEvent *event)
{
    const int count = pointCount();
    if (count == 0 || m_dragged) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_selected = std::min(m_selected, count - 1);
    if (extendRange(event))
        return;
    Point p = point(m_selected);
    switch (event->key()) {
    case Qt::Key_Left:
        p.rpm -= kRpmStep;
        break;
    case Qt::Key_Right:
        p.rpm += kRpmStep;
        break;
    case Qt::Key_Up:
        p.advance += 1;
        break;
    case Qt::Key_Down:
        p.advance -= 1;
        break;
    case Qt::Key_PageUp:
        selectPoint((m_selected + 1) % count);
        return;
    case Qt::Key_PageDown:
        selectPoint((m_selected + count - 1) % count);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    p.rpm = std::clamp(p.rpm, m_ranges.rpmMin, m_ranges.rpmMax);
    p.advance = std::clamp(p.advance, m_ranges.advanceMin, m_ranges.advanceMax);
    emit pointEdited(m_selected, p.rpm, p.advance);
}

// Shift with Left or Right moves the selected end of the range, the other end staying.
bool CurveGraph::extendRange(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ShiftModifier))
        return false;
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0)
        return false;
    selectRange(std::min(m_anchor, pointCount() - 1),
                std::clamp(m_selected + step, 0, pointCount() - 1));
    return true;
}
