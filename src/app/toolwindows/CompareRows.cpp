#include "CompareRows.h"

#include "IgnFile.h"
#include "ParameterCodes.h"
#include "ParameterComparison.h"
#include "ParameterSet.h"
#include "ParameterNames.h"

#include <QSet>

#include <algorithm>

namespace {

// Coded values as the window's list shows them, the others in display units.
QString valueText(const ParameterSet &set, const IgnFile::Key &key, int number, quint8 language,
                  const QStringList &bikeNames)
{
    const int position = key.position + number - 1;
    const QLatin1String name(key.name);
    if (name == QLatin1String("BIKE")) {
        const std::optional<int> index = codes::listIndexFromBike(set.at(position));
        if (index && *index < bikeNames.size())
            return bikeNames.at(*index);
    }
    const int index = name == QLatin1String("GEBER_NR")
                          ? codes::listIndexFromGeberNr(set.at(position))
                          : codes::displayValue(set, position);
    QString item = lang::parameterItem(language, name, number, index);
    if (!item.isNull())
        return item;
    QString value = QString::number(codes::displayValue(set, position));
    const QLatin1String unit(codes::displayUnit(position));
    if (unit.isEmpty())
        return value;
    // The window writes angles with the degree sign.
    if (unit == QLatin1String("deg"))
        return value + QStringLiteral(" °");
    return value + QLatin1Char(' ') + unit;
}

} // namespace

QList<CompareRow> compareRows(const ParameterSet &window, const ParameterSet &other,
                              quint8 language, const QStringList &bikeNames)
{
    QSet<int> differing;
    for (const ParameterComparison::Difference &difference :
         ParameterComparison::compare(window, other))
        differing.insert(difference.position);

    QList<CompareRow> rows;
    for (const IgnFile::Key &key : IgnFile::keys()) {
        for (int i = 0; i < key.count; ++i) {
            const int position = key.position + i;
            QString name = lang::parameterName(language, QLatin1String(key.name), i + 1);
            if (name.isEmpty())
                name = QLatin1String(key.name);
            rows.append({name, valueText(window, key, i + 1, language, bikeNames),
                         valueText(other, key, i + 1, language, bikeNames),
                         differing.contains(position)});
        }
    }
    return rows;
}

int differenceCount(const QList<CompareRow> &rows)
{
    return int(std::count_if(rows.cbegin(), rows.cend(),
                             [](const CompareRow &row) { return row.differs; }));
}
