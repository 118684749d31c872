#include "ShownParameters.h"

#include "ParameterCodes.h"
#include "ParameterNames.h"
#include "ParameterSet.h"

namespace lang {

QString shownName(quint8 language, const IgnFile::Key &key, int number)
{
    const QString name = parameterName(language, QLatin1String(key.name), number);
    return name.isEmpty() ? QString::fromLatin1(key.name) : name;
}

QString shownValue(const ParameterSet &set, const IgnFile::Key &key, int number, quint8 language,
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
    QString item = parameterItem(language, name, number, index);
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

} // namespace lang
