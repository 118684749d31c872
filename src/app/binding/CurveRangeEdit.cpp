#include "CurveRangeEdit.h"

#include "FormBinding.h"
#include "FormEvents.h"
#include "ParameterCodes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinGap = 2 * codes::kRpmScale; // room for a point between two

// The range within the points in use, lowest first.
std::pair<int, int> inUse(const CurvePoints &curve, int first, int last)
{
    const int top = std::max(0, curve.count - 1);
    return {std::clamp(std::min(first, last), 0, top), std::clamp(std::max(first, last), 0, top)};
}

template <typename Change>
CurvePoints eachInRange(CurvePoints curve, int first, int last, Change change)
{
    const CurvePoints before = curve;
    const auto [low, high] = inUse(curve, first, last);
    for (int i = low; i <= high; ++i)
        curve.advance[size_t(i)] = change(before, i);
    return curve;
}

} // namespace

CurvePoints curvePointsOf(const ParameterSet &image)
{
    CurvePoints curve;
    curve.count = std::clamp<int>(image.pocetBodu(), 1, ParameterSet::kCurvePoints);
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        curve.rpm[size_t(i)] = codes::toDisplay(image.rpmAdv(i), codes::kRpmScale);
        curve.advance[size_t(i)] = image.advance(i);
    }
    return curve;
}

CurvePoints shiftedRange(CurvePoints curve, int first, int last, int step)
{
    return eachInRange(curve, first, last,
                       [step](const CurvePoints &c, int i) { return c.advance[size_t(i)] + step; });
}

CurvePoints scaledRange(CurvePoints curve, int first, int last, int percent)
{
    return eachInRange(curve, first, last, [percent](const CurvePoints &c, int i) {
        return int(std::lround(c.advance[size_t(i)] * percent / 100.0));
    });
}

CurvePoints smoothedRange(CurvePoints curve, int first, int last)
{
    return eachInRange(curve, first, last, [](const CurvePoints &c, int i) {
        const int low = std::max(0, i - 1);
        const int high = std::min(c.count - 1, i + 1);
        int sum = 0;
        for (int j = low; j <= high; ++j)
            sum += c.advance[size_t(j)];
        return int(std::lround(double(sum) / (high - low + 1)));
    });
}

std::optional<CurvePoints> withPointInserted(CurvePoints curve, int after)
{
    if (curve.count >= ParameterSet::kCurvePoints || after < 0 || after + 1 >= curve.count)
        return std::nullopt;
    const auto a = size_t(after);
    const size_t b = a + 1;
    if (curve.rpm[b] - curve.rpm[a] < kMinGap)
        return std::nullopt;
    const int rpm = (curve.rpm[a] + curve.rpm[b]) / 2 / codes::kRpmScale * codes::kRpmScale;
    const int advance = int(std::lround((curve.advance[a] + curve.advance[b]) / 2.0));
    for (size_t i = ParameterSet::kCurvePoints - 1; i > b; --i) {
        curve.rpm[i] = curve.rpm[i - 1];
        curve.advance[i] = curve.advance[i - 1];
    }
    curve.rpm[b] = rpm;
    curve.advance[b] = advance;
    ++curve.count;
    return curve;
}

std::optional<CurvePoints> withPointDeleted(CurvePoints curve, int index)
{
    if (curve.count <= 1 || index < 0 || index >= curve.count)
        return std::nullopt;
    for (size_t i = size_t(index); i + 1 < ParameterSet::kCurvePoints; ++i) {
        curve.rpm[i] = curve.rpm[i + 1];
        curve.advance[i] = curve.advance[i + 1];
    }
    --curve.count;
    return curve;
}

CurveRangeEdit::CurveRangeEdit(FormBinding &binding, FormEvents &events, QObject *parent)
    : QObject(parent), m_binding(binding), m_events(events)
{
}

// What the fields hold, as the edit that follows will collect them.
CurvePoints CurveRangeEdit::current() const
{
    return curvePointsOf(m_binding.collectedSet());
}

void CurveRangeEdit::shiftRange(int first, int last, int step)
{
    m_events.CurveEdit(shiftedRange(current(), first, last, step));
}

void CurveRangeEdit::scaleRange(int first, int last, int percent)
{
    m_events.CurveEdit(scaledRange(current(), first, last, percent));
}

void CurveRangeEdit::smoothRange(int first, int last)
{
    m_events.CurveEdit(smoothedRange(current(), first, last));
}

void CurveRangeEdit::insertPoint(int after)
{
    if (const auto curve = withPointInserted(current(), after))
        m_events.CurveEdit(*curve);
}

void CurveRangeEdit::deletePoint(int index)
{
    if (const auto curve = withPointDeleted(current(), index))
        m_events.CurveEdit(*curve);
}
