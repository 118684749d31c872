#include "CurveShift.h"

namespace {
constexpr int kMaxAdvance = 60;

void shiftPoint(ParameterSet &image, int point, int step)
{
    const quint8 advance = image.advance(point);
    if (step < 0 && advance > 0)
        image.setAdvance(point, quint8(advance - 1));
    else if (step > 0 && advance < kMaxAdvance)
        image.setAdvance(point, quint8(advance + 1));
    image.NormaliseParameterSet();
}
} // namespace

void ShiftAdvance(ParameterSet &image, int step, bool allPoints, std::optional<int> currentPoint)
{
    if (allPoints) {
        for (int i = 0; i < ParameterSet::kCurvePoints; ++i)
            shiftPoint(image, i, step);
    } else if (currentPoint && *currentPoint >= 0 && *currentPoint < ParameterSet::kCurvePoints) {
        shiftPoint(image, *currentPoint, step);
    }
}
