#pragma once

#include "ParameterSet.h"

#include <QString>
#include <QStringList>

// Sets as lines for people: each parameter by the name the window and its
// compare window give it, with its value and unit as they show it, in
// aligned columns. The file's keys (--keys) are ParameterComparison's.
namespace parametertable {

// Every parameter of the .ign file, in file order: "name  value".
QStringList listing(const ParameterSet &image);

// A header naming the parameter column and the two sides, then a line for
// each parameter that differs; nothing when none does.
QStringList differences(const ParameterSet &a, const ParameterSet &b, const QString &nameA,
                        const QString &nameB);

} // namespace parametertable
