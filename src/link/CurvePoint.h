#pragma once

#include <QtGlobal>

#include <optional>

class ParameterSet;

// The curve point nearest to the engine speed among the points in use, or
// none below the first point. A tie goes to the lower point.
std::optional<int> nearestCurvePoint(const ParameterSet &image, quint16 engineSpeed);
