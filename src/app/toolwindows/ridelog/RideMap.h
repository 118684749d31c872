#pragma once

#include "RideLog.h"

#include <QImage>
#include <QVector>
#include <QWidget>

#include <optional>

class ParameterSet;

// A recording on the advance curve: every recorded (speed, advance) as a
// shaded dot, the window's curve over them, and under each curve point a bar
// with the time the engine ran at that point, so that the points that matter
// for this ride stand out.
class RideMap : public QWidget
{
    Q_OBJECT

public:
    RideMap(const ParameterSet &image, QWidget *parent = nullptr);

    // The log belongs to the caller and outlives its use here.
    void setLog(const RideLog *log);
    void setTexts(const QString &speedAxis, const QString &advanceAxis, const QString &timeAtPoint);
    // Takes the image's curve again (after an edit, a read, an open).
    void refresh();
    void setCursorRow(std::optional<int> row);

    const QVector<qint64> &timeAtPoints() const { return m_timeAtPoints; }

    QSize sizeHint() const override { return {520, 360}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF plotArea() const;
    QPointF toWidget(double rpm, double advance) const;
    void fitAxes();
    void paintRecorded(QPainter &painter);
    void paintCurve(QPainter &painter) const;

    const ParameterSet &m_image;
    const RideLog *m_log = nullptr;
    QString m_speedAxis, m_advanceAxis, m_timeAtPoint;
    QVector<qint64> m_timeAtPoints;
    std::optional<int> m_cursor;
    double m_speedMax = 1000, m_advanceLow = 0, m_advanceHigh = 10;
    QImage m_dots; // the recorded points as drawn, kept until the size or the log changes
};
