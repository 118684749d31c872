#include "ParameterComparison.h"

#include "IgnFile.h"
#include "ParameterCodes.h"

namespace ParameterComparison {

namespace {

// Wide enough for the longest key, "REV_OUT_PILOT_LIGHT", and a value in rpm.
constexpr int kNameColumns = 19;
constexpr int kValueColumns = 6;
const QString kGap = QStringLiteral("  ");

QString line(const QString &name, const QList<int> &values, int position)
{
    QString text = name.leftJustified(kNameColumns);
    for (int value : values)
        text += kGap + QString::number(value).rightJustified(kValueColumns);
    const QString unit = QString::fromLatin1(codes::displayUnit(position));
    if (!unit.isEmpty())
        text += kGap + unit;
    return text;
}

} // namespace

QList<NamedParameter> namedParameters()
{
    QList<NamedParameter> list;
    for (const IgnFile::Key &key : IgnFile::keys()) {
        const QString name = QString::fromLatin1(key.name);
        for (int i = 0; i < key.count; ++i) {
            list.append({key.count == 1 ? name : QStringLiteral("%1[%2]").arg(name).arg(i + 1),
                         key.position + i});
        }
    }
    return list;
}

QList<Difference> compare(const ParameterSet &a, const ParameterSet &b)
{
    QList<Difference> differences;
    for (const NamedParameter &parameter : namedParameters()) {
        const int valueA = codes::displayValue(a, parameter.position);
        const int valueB = codes::displayValue(b, parameter.position);
        if (valueA != valueB)
            differences.append({parameter.name, parameter.position, valueA, valueB});
    }
    return differences;
}

QString valueLine(const ParameterSet &image, const NamedParameter &parameter)
{
    return line(parameter.name, {codes::displayValue(image, parameter.position)},
                parameter.position);
}

QString differenceLine(const Difference &difference)
{
    return line(difference.name, {difference.a, difference.b}, difference.position);
}

} // namespace ParameterComparison
