#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ParameterSet;

// One line of the comparison table: a parameter by the window's name for it
// and its value in each set as the window shows it ("3000 rpm", "12 °").
struct CompareRow
{
    QString name;
    QString window;
    QString other;
    bool differs = false;
};

// Every parameter of the .ign file, in file order; a row differs exactly
// when ParameterComparison::compare names its parameter. bikeNames are the
// window's motorcycle list, the same in every language; without them the
// motorcycle shows its code.
QList<CompareRow> compareRows(const ParameterSet &window, const ParameterSet &other,
                              quint8 language, const QStringList &bikeNames = {});

int differenceCount(const QList<CompareRow> &rows);
