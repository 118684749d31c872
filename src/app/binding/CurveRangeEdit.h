#pragma once

#include "ParameterSet.h"

#include <QObject>

#include <array>
#include <optional>

class FormBinding;
class FormEvents;

// The curve in the units of its fields: the points in use (POCET_BODU) and
// all fifteen points, engine speed in rpm and advance in degrees.
struct CurvePoints
{
    int count = 0;
    std::array<int, ParameterSet::kCurvePoints> rpm{};
    std::array<int, ParameterSet::kCurvePoints> advance{};

    bool operator==(const CurvePoints &o) const
    {
        return count == o.count && rpm == o.rpm && advance == o.advance;
    }
};

CurvePoints curvePointsOf(const ParameterSet &image);

// The reshapes of the graph's range edits. A range is points first..last of
// those in use; the fields clamp what the edit gives when it is shown.
// Advance of each point in the range by step degrees.
CurvePoints shiftedRange(CurvePoints curve, int first, int last, int step);
// Advance of each point in the range times percent / 100, rounded.
CurvePoints scaledRange(CurvePoints curve, int first, int last, int percent);
// Advance of each point in the range to the mean of itself and its
// neighbours in use, all taken from the curve as it was.
CurvePoints smoothedRange(CurvePoints curve, int first, int last);
// A new point halfway between point after and the next, the points above
// moved up: none at fifteen points, after the last point, or without a
// 200 rpm gap to put it in.
std::optional<CurvePoints> withPointInserted(CurvePoints curve, int after);
// The point removed, the points above moved down: none at one point.
std::optional<CurvePoints> withPointDeleted(CurvePoints curve, int index);

// The curve graph's range edits on the window's set: each is one edit
// through the fields, as the graph's drag is (FormEvents::CurveEdit): one
// undo step, the range rule, programming after change.
class CurveRangeEdit : public QObject
{
    Q_OBJECT

public:
    CurveRangeEdit(FormBinding &binding, FormEvents &events, QObject *parent = nullptr);

    void shiftRange(int first, int last, int step);
    void scaleRange(int first, int last, int percent);
    void smoothRange(int first, int last);
    void insertPoint(int after);
    void deletePoint(int index);

private:
    CurvePoints current() const;

    FormBinding &m_binding;
    FormEvents &m_events;
};
