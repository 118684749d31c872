#pragma once

#include "ParameterSet.h"

#include <array>

class QWidget;
class SpinEdit;
class UpDown;

// The curve-point controls in point order 1..15, looked up once by name.
struct ControlTables
{
    template <typename T> using Row = std::array<T *, ParameterSet::kCurvePoints>;

    Row<SpinEdit> RpmAdvEdits{};
    Row<SpinEdit> AdvanceEdits{};
    Row<UpDown> RpmAdvUpDowns{};
    Row<UpDown> AdvanceUpDowns{};

    static ControlTables build(const QWidget *window);
};
