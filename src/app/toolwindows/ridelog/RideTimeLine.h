#pragma once

#include "ColumnDecimation.h"
#include "RideLog.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

// A recording on a time line: engine speed, advance and supply voltage in
// stacked lanes sharing the time axis (minutes:seconds from the start), the
// on/off values as thin bands below. The wheel and a box drawn with the right
// button zoom, a drag pans, Home shows all; a cursor follows the mouse and the
// arrow keys. Each repaint draws at most one line segment a pixel column.
class RideTimeLine : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLanes = 3;

    explicit RideTimeLine(QWidget *parent = nullptr);

    // The log belongs to the caller and outlives its use here.
    void setLog(const RideLog *log);
    // The three lanes' names, then the bands' in the order of RideBand.
    void setTexts(const QStringList &lanes, const QStringList &bands);

    qint64 fromMs() const { return m_fromMs; }
    qint64 toMs() const { return m_toMs; }
    void setRange(qint64 fromMs, qint64 toMs);
    void showAll();
    // The rows within the visible range: first, last (last < first when none).
    std::pair<int, int> visibleRows() const;

    std::optional<int> cursorRow() const { return m_cursor; }
    void setCursorRow(int row);

    // The plot's pixel columns, for the window's figures and the bench.
    TimeWindow timeWindow() const;

    QSize sizeHint() const override { return {900, 420}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

signals:
    void cursorMoved(int row);
    void rangeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Lane
    {
        float RideSample::*value;
        float low, high; // the axis, from the whole log
    };

    QRect plotArea() const;
    QRect laneArea(int lane) const;
    QRect bandArea(int band) const;
    qint64 timeAt(int x) const;
    int xAt(qint64 timeMs) const;
    void zoomAround(qint64 timeMs, double factor);
    void moveCursorTo(int x);

    void paintLane(QPainter &painter, int lane, const TimeWindow &window) const;
    void paintBands(QPainter &painter, const TimeWindow &window) const;
    void paintTimeAxis(QPainter &painter) const;
    void paintCursor(QPainter &painter) const;

    const RideLog *m_log = nullptr;
    std::array<Lane, kLanes> m_lanes;
    QStringList m_laneNames, m_bandNames;
    qint64 m_fromMs = 0, m_toMs = 1000;
    std::optional<int> m_cursor;
    std::optional<QPoint> m_panFrom;
    qint64 m_panFromMs = 0;
    std::optional<QPoint> m_boxFrom;
    QPoint m_boxTo;
};

// A time as minutes:seconds (m:ss; more minutes than 59 as they come).
QString minutesSeconds(qint64 ms);
