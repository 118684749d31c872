#include "CurvePoint.h"

#include "ParameterSet.h"

#include <algorithm>

std::optional<int> nearestCurvePoint(const ParameterSet &image, quint16 engineSpeed)
{
    // Curve speeds are bytes of hundreds of rpm; above the byte range every
    // point lies below the speed.
    const int r = std::min(engineSpeed / 100, 255);
    const int n = std::min<int>(image.pocetBodu(), ParameterSet::kCurvePoints);
    int i = 0;
    while (i < n && image.rpmAdv(i) <= r)
        ++i;
    if (i == 0)
        return std::nullopt;
    if (i == n)
        return n - 1;
    return image.rpmAdv(i - 1) + image.rpmAdv(i) >= 2 * r ? i - 1 : i;
}
