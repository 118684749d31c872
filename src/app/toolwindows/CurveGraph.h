#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <optional>

class ParameterSet;

// Where the running engine is: its speed and the advance the unit applies.
struct OperatingPoint
{
    int rpm = 0;
    int advance = 0; // degrees, may be negative
};

// The advance curve as a painted graph: engine speed across, advance up, the
// points in use joined as the unit interpolates them, the base advance, the
// start limiter and limiter speeds, and the live operating point. A point is
// edited by dragging it (whole degrees, 100 rpm steps) or with the arrow keys;
// each release or key press is one edit, reported by pointEdited. A drag
// from between the points, or Shift with Left and Right, selects a range for
// the range edits. The graph only reads the image: every edit goes through
// the window's own edit path. A second curve may be drawn dashed beside it.
class CurveGraph : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRpmStep = 100;

    // The ranges of the point's edit fields, in display units.
    struct Ranges
    {
        int rpmMin = 0;
        int rpmMax = 0;
        int advanceMin = 0;
        int advanceMax = 0;
    };

    CurveGraph(const ParameterSet &image, QWidget *parent = nullptr);

    void setRanges(const Ranges &ranges);
    void setTexts(const QString &speedAxis, const QString &advanceAxis, const QString &baseAdvance,
                  const QString &startLimiter, const QString &limiter);

    // The live engine, or none without a signal.
    void setOperatingPoint(std::optional<OperatingPoint> point);
    std::optional<OperatingPoint> operatingPoint() const { return m_operatingPoint; }
    // The curve point in use (lime, as its row in the window), or none.
    void setCurrentPoint(std::optional<int> point);
    std::optional<int> currentPoint() const { return m_currentPoint; }

    // A moment of a ride log, shown instead of the live engine (and its curve
    // point) while set; none gives the graph back to the live engine.
    void setRecordedPoint(std::optional<OperatingPoint> point, std::optional<int> curvePoint);
    std::optional<OperatingPoint> recordedPoint() const { return m_recorded; }

    int selectedPoint() const { return m_selected; }
    void selectPoint(int index);
    // The range of points selected, from the first point chosen (dragged
    // across, or extended with Shift and the arrows) to the selected point;
    // lowest first, within the points in use.
    void selectRange(int anchor, int selected);
    int rangeFirst() const;
    int rangeLast() const;

    // Another curve drawn dashed beside the image's: (rpm, advance) points; empty draws none.
    void setSecondCurve(const QList<QPoint> &points);
    const QList<QPoint> &secondCurve() const { return m_secondCurve; }

    // Points drawn: POCET_BODU, within 0..15.
    int pointCount() const;
    // Where a point is drawn, and where a speed and advance lie, in widget coordinates.
    QPointF pointPosition(int index) const;
    QPointF toWidget(double rpm, double advance) const;

    QSize sizeHint() const override { return {560, 360}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

signals:
    // One edit of a point, in display units (rpm, degrees).
    void pointEdited(int index, int rpm, int advance);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Point
    {
        int rpm;
        int advance;
    };

    Point point(int index) const; // as the image holds it, or as dragged
    int speedMax() const;         // right end of the speed axis
    QRectF plotArea() const;
    Point snapped(const QPointF &position) const;
    std::optional<int> pointNear(const QPointF &position) const;

    void paintGrid(QPainter &painter) const;
    void paintMarkers(QPainter &painter) const;
    void paintCurve(QPainter &painter) const;
    void paintOperatingPoint(QPainter &painter) const;
    void paintSecondCurve(QPainter &painter) const;
    void paintRange(QPainter &painter) const;
    bool extendRange(QKeyEvent *event);

    const ParameterSet &m_image;
    Ranges m_ranges;
    QString m_speedAxis, m_advanceAxis, m_baseAdvance, m_startLimiter, m_limiter;
    std::optional<OperatingPoint> m_operatingPoint;
    std::optional<int> m_currentPoint;
    std::optional<OperatingPoint> m_recorded;
    std::optional<int> m_recordedCurrent;
    int m_selected = 0;
    int m_anchor = 0;                 // where the range began
    std::optional<double> m_bandFrom; // x where a drag across points began
    double m_bandTo = 0;
    QList<QPoint> m_secondCurve;
    std::optional<int> m_dragged;
    Point m_dragValue{};
    int m_frozenSpeedMax = 0; // the axis stays put while a point is dragged
};
