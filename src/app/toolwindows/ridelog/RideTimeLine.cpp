#include "RideTimeLine.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeft = 112, kRight = 12, kTop = 8, kAxisHeight = 22;
constexpr int kBandHeight = 11, kBandGap = 2, kLaneGap = 6;
constexpr qint64 kShortestRangeMs = 500;
constexpr double kWheelZoom = 1.25;

const QColor kLaneColours[RideTimeLine::kLanes] = {QColor(0, 0, 160), QColor(200, 0, 0),
                                                   QColor(0, 120, 0)};
const QColor kBandColour(230, 120, 0);
const QColor kGrid(225, 225, 225);
const QColor kCursor(255, 0, 255);

// A step for time labels of at least minMs: 1, 2, 5, 10, 15, 30 s, 1, 2, 5, 10, 15, 30 min, hours.
qint64 timeStep(qint64 minMs)
{
    static const qint64 steps[] = {100,     200,     500,     1000,     2000,    5000,   10000,
                                   15000,   30000,   60000,   120000,   300000,  600000, 900000,
                                   1800000, 3600000, 7200000, 18000000, 36000000};
    for (const qint64 step : steps) {
        if (step >= minMs)
            return step;
    }
    return steps[std::size(steps) - 1];
}

} // namespace

QString minutesSeconds(qint64 ms)
{
    const bool negative = ms < 0;
    const qint64 tenths = std::abs(ms) / 100;
    const qint64 seconds = tenths / 10;
    QString text = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
    if (tenths % 10)
        text += QStringLiteral(".%1").arg(tenths % 10);
    return negative ? QStringLiteral("-") + text : text;
}

RideTimeLine::RideTimeLine(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    m_lanes = {
        {{&RideSample::rpm, 0, 1}, {&RideSample::advance, 0, 1}, {&RideSample::supplyV, 0, 1}}};
}

void RideTimeLine::setLog(const RideLog *log)
{
    m_log = log;
    m_cursor.reset();
    for (Lane &lane : m_lanes) {
        // Speed and advance from zero; the supply only over what it did, or a
        // sag of a volt would be a flat line.
        const bool fromZero = lane.value != &RideSample::supplyV;
        lane.low =
            fromZero || !log || log->samples.isEmpty() ? 0 : log->samples.first().*lane.value;
        lane.high = lane.low + 1;
        if (!log)
            continue;
        for (const RideSample &sample : log->samples) {
            lane.low = std::min(lane.low, sample.*lane.value);
            lane.high = std::max(lane.high, sample.*lane.value);
        }
        const float margin = (lane.high - lane.low) * 0.05f;
        lane.high += margin;
        if (!fromZero)
            lane.low -= margin;
    }
    showAll();
}

void RideTimeLine::setTexts(const QStringList &lanes, const QStringList &bands)
{
    m_laneNames = lanes;
    m_bandNames = bands;
    update();
}

void RideTimeLine::setRange(qint64 fromMs, qint64 toMs)
{
    const qint64 duration =
        m_log ? std::max<qint64>(m_log->durationMs(), kShortestRangeMs) : kShortestRangeMs;
    qint64 span = std::clamp(toMs - fromMs, kShortestRangeMs, duration);
    fromMs = std::clamp<qint64>(fromMs, 0, duration - span);
    if (fromMs == m_fromMs && fromMs + span == m_toMs)
        return;
    m_fromMs = fromMs;
    m_toMs = fromMs + span;
    update();
    emit rangeChanged();
}

void RideTimeLine::showAll()
{
    m_fromMs = -1; // so that the range is new
    setRange(0, m_log ? m_log->durationMs() : 0);
}

std::pair<int, int> RideTimeLine::visibleRows() const
{
    if (!m_log)
        return {0, -1};
    return {firstRowAtOrAfter(*m_log, m_fromMs), firstRowAtOrAfter(*m_log, m_toMs + 1) - 1};
}

void RideTimeLine::setCursorRow(int row)
{
    if (!m_log || m_log->samples.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_log->samples.size()) - 1);
    if (m_cursor == row)
        return;
    m_cursor = row;
    // The cursor stays in sight.
    const qint64 time = m_log->samples[row].timeMs;
    if (time < m_fromMs || time > m_toMs)
        setRange(time - (m_toMs - m_fromMs) / 2, time + (m_toMs - m_fromMs) / 2);
    update();
    emit cursorMoved(row);
}

TimeWindow RideTimeLine::timeWindow() const
{
    return {m_fromMs, m_toMs, std::max(plotArea().width(), 1)};
}

QRect RideTimeLine::plotArea() const
{
    return QRect(kLeft, kTop, std::max(1, width() - kLeft - kRight),
                 std::max(1, height() - kTop - kAxisHeight));
}

QRect RideTimeLine::bandArea(int band) const
{
    const QRect plot = plotArea();
    const int bandsTop = plot.bottom() - int(RideBand::Count) * (kBandHeight + kBandGap);
    return QRect(plot.left(), bandsTop + band * (kBandHeight + kBandGap) + kBandGap, plot.width(),
                 kBandHeight);
}

QRect RideTimeLine::laneArea(int lane) const
{
    const QRect plot = plotArea();
    const int lanesHeight = bandArea(0).top() - plot.top() - kBandGap;
    const int laneHeight = std::max(10, (lanesHeight - (kLanes - 1) * kLaneGap) / kLanes);
    return QRect(plot.left(), plot.top() + lane * (laneHeight + kLaneGap), plot.width(),
                 laneHeight);
}

qint64 RideTimeLine::timeAt(int x) const
{
    const QRect plot = plotArea();
    return m_fromMs + qint64(double(x - plot.left()) * (m_toMs - m_fromMs) / plot.width());
}

int RideTimeLine::xAt(qint64 timeMs) const
{
    const QRect plot = plotArea();
    return plot.left() + int(double(timeMs - m_fromMs) * plot.width() / (m_toMs - m_fromMs));
}

void RideTimeLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const TimeWindow window = timeWindow();
    paintTimeAxis(painter);
    if (m_log) {
        for (int lane = 0; lane < kLanes; ++lane)
            paintLane(painter, lane, window);
        paintBands(painter, window);
    }
    paintCursor(painter);
    if (m_boxFrom) {
        painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        painter.setBrush(QColor(0, 0, 255, 30));
        const QRect plot = plotArea();
        painter.drawRect(
            QRect(QPoint(m_boxFrom->x(), plot.top()), QPoint(m_boxTo.x(), plot.bottom()))
                .normalized());
    }
}

void RideTimeLine::paintLane(QPainter &painter, int laneIndex, const TimeWindow &window) const
{
    const Lane &lane = m_lanes[laneIndex];
    const QRect area = laneArea(laneIndex);
    painter.setPen(kGrid);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const auto yAt = [&](float value) {
        return area.bottom() - (value - lane.low) * (area.height() - 1) / (lane.high - lane.low);
    };
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect labels(0, area.top(), kLeft - 4, area.height());
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop,
                     QString::number(lane.high, 'f', laneIndex == 2 ? 1 : 0));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom,
                     QString::number(lane.low, 'f', laneIndex == 2 ? 1 : 0));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                     m_laneNames.value(laneIndex));

    // One segment a column: down the column's range, widened to reach the
    // previous column's last value when joined; a join across empty columns
    // is one sloped segment.
    const QVector<DecimatedColumn> columns = decimate(*m_log, lane.value, window);
    QVector<QLineF> lines;
    lines.reserve(columns.size());
    int previous = -1;
    for (int index = 0; index < columns.size(); ++index) {
        const DecimatedColumn &column = columns[index];
        if (!column.used)
            continue;
        const double x = area.left() + index - 1 + 0.5;
        float low = column.min, high = column.max;
        if (column.joined && previous >= 0) {
            const float before = columns[previous].last;
            if (previous == index - 1) {
                low = std::min(low, before);
                high = std::max(high, before);
            } else {
                lines.append(
                    QLineF(area.left() + previous - 1 + 0.5, yAt(before), x, yAt(column.first)));
            }
        }
        lines.append(QLineF(x, yAt(low), x, yAt(high)));
        previous = index;
    }
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(kLaneColours[laneIndex], 1));
    painter.drawLines(lines);
    painter.restore();
}

void RideTimeLine::paintBands(QPainter &painter, const TimeWindow &window) const
{
    const QVector<quint16> columns = decimateBands(*m_log, window);
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < int(RideBand::Count); ++band) {
        const QRect area = bandArea(band);
        painter.fillRect(area, QColor(245, 245, 245));
        painter.setPen(palette().color(QPalette::WindowText));
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        painter.setFont(small);
        painter.drawText(QRect(0, area.top() - 2, kLeft - 4, area.height() + 4),
                         Qt::AlignRight | Qt::AlignVCenter, m_bandNames.value(band));
        painter.setFont(font());
        const quint16 bit = quint16(1u << band);
        for (int x = 0; x < columns.size();) {
            if (!(columns[x] & bit)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < columns.size() && (columns[x] & bit))
                ++x;
            painter.fillRect(QRect(area.left() + start, area.top(), x - start, area.height()),
                             kBandColour);
        }
    }
}

void RideTimeLine::paintTimeAxis(QPainter &painter) const
{
    const QRect plot = plotArea();
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("000:00.0")) + 12;
    const qint64 span = m_toMs - m_fromMs;
    const qint64 step = timeStep(span * labelWidth / std::max(plot.width(), 1));
    painter.setPen(palette().color(QPalette::WindowText));
    for (qint64 t = (m_fromMs + step - 1) / step * step; t <= m_toMs; t += step) {
        const int x = xAt(t);
        painter.setPen(kGrid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(x - labelWidth / 2, plot.bottom() + 2, labelWidth, kAxisHeight - 2),
                         Qt::AlignHCenter | Qt::AlignTop, minutesSeconds(t));
    }
}

void RideTimeLine::paintCursor(QPainter &painter) const
{
    if (!m_cursor || !m_log || *m_cursor >= m_log->samples.size())
        return;
    const int x = xAt(m_log->samples[*m_cursor].timeMs);
    const QRect plot = plotArea();
    if (x < plot.left() || x > plot.right())
        return;
    painter.setPen(QPen(kCursor, 1));
    painter.drawLine(x, plot.top(), x, plot.bottom());
}

void RideTimeLine::zoomAround(qint64 timeMs, double factor)
{
    const qint64 from = timeMs - qint64((timeMs - m_fromMs) * factor);
    const qint64 to = timeMs + qint64((m_toMs - timeMs) * factor);
    setRange(from, std::max(to, from + kShortestRangeMs));
}

void RideTimeLine::moveCursorTo(int x)
{
    if (!m_log || m_log->samples.isEmpty())
        return;
    const qint64 time = timeAt(x);
    int row = std::min(firstRowAtOrAfter(*m_log, time), int(m_log->samples.size()) - 1);
    if (row > 0 && time - m_log->samples[row - 1].timeMs < m_log->samples[row].timeMs - time)
        --row;
    setCursorRow(row);
}

void RideTimeLine::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_panFrom = at;
        m_panFromMs = m_fromMs;
    } else if (event->button() == Qt::RightButton) {
        m_boxFrom = at;
        m_boxTo = at;
    }
}

void RideTimeLine::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_panFrom) {
        const qint64 span = m_toMs - m_fromMs;
        const qint64 shift = qint64(double(m_panFrom->x() - at.x()) * span / plotArea().width());
        setRange(m_panFromMs + shift, m_panFromMs + shift + span);
    } else if (m_boxFrom) {
        m_boxTo = at;
        update();
    }
    moveCursorTo(at.x());
}

void RideTimeLine::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_panFrom.reset();
    } else if (event->button() == Qt::RightButton && m_boxFrom) {
        const int left = std::min(m_boxFrom->x(), event->position().toPoint().x());
        const int right = std::max(m_boxFrom->x(), event->position().toPoint().x());
        m_boxFrom.reset();
        // A click is no box.
        if (right - left > 3)
            setRange(timeAt(left), timeAt(right));
        update();
    }
}

void RideTimeLine::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0)
        return;
    zoomAround(timeAt(int(event->position().x())), std::pow(kWheelZoom, -notches));
    event->accept();
}

void RideTimeLine::keyPressEvent(QKeyEvent *event)
{
    const qint64 span = m_toMs - m_fromMs;
    switch (event->key()) {
    case Qt::Key_Home:
        showAll();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        setCursorRow(m_cursor ? *m_cursor + step : visibleRows().first);
        break;
    }
    case Qt::Key_PageUp:
        setRange(m_fromMs - span / 2, m_toMs - span / 2);
        break;
    case Qt::Key_PageDown:
        setRange(m_fromMs + span / 2, m_toMs + span / 2);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomAround((m_fromMs + m_toMs) / 2, 1 / kWheelZoom);
        break;
    case Qt::Key_Minus:
        zoomAround((m_fromMs + m_toMs) / 2, kWheelZoom);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
