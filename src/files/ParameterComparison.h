#pragma once

#include "ParameterSet.h"

#include <QList>
#include <QString>

// Parameters named as the .ign file names them, with the values the window
// shows: for listing a set and for telling two sets apart.
namespace ParameterComparison {

// One parameter byte: "BIKE", or a key with several numbers and the number's
// place on its line, counted from 1 ("RPM_ADV[3]" is curve point 3).
struct NamedParameter
{
    QString name;
    int position;
};

// Every byte the .ign file holds, in file order; page 0 and the spare bytes
// are not among them.
QList<NamedParameter> namedParameters();

struct Difference
{
    QString name;
    int position;
    int a; // display values
    int b;
};

// The parameters whose display values differ, in file order. A flag set to
// 1 in one set and 2 in the other means the same and is no difference.
QList<Difference> compare(const ParameterSet &a, const ParameterSet &b);

// "KEY  value  unit", aligned, no trailing blank.
QString valueLine(const ParameterSet &image, const NamedParameter &parameter);
// "KEY  a  b  unit", aligned the same way.
QString differenceLine(const Difference &difference);

} // namespace ParameterComparison
