#include "Commands.h"

#include "Console.h"
#include "ExitStatus.h"
#include "ParameterComparison.h"
#include "ParameterTable.h"
#include "SetFiles.h"

#include <QFileInfo>

namespace commands {

QString columnName(const QString &path, const QString &otherPath)
{
    if (setfiles::isStandardStream(path))
        return QStringLiteral("stdin");
    const QString name = QFileInfo(path).fileName();
    return name == QFileInfo(otherPath).fileName() ? path : name;
}

int printDifferences(const ParameterSet &a, const ParameterSet &b, Naming naming,
                     const QString &nameA, const QString &nameB)
{
    if (naming == Naming::Shown) {
        const QStringList lines = parametertable::differences(a, b, nameA, nameB);
        for (const QString &line : lines)
            console::out(line);
        return lines.isEmpty() ? kDone : kDifferent;
    }
    const QList<ParameterComparison::Difference> differences = ParameterComparison::compare(a, b);
    for (const ParameterComparison::Difference &difference : differences)
        console::out(ParameterComparison::differenceLine(difference));
    return differences.isEmpty() ? kDone : kDifferent;
}

int diffFiles(const QString &pathA, const QString &pathB, Naming naming)
{
    const std::optional<ParameterSet> a = setfiles::load(pathA);
    const std::optional<ParameterSet> b = a ? setfiles::load(pathB) : std::nullopt;
    if (!a || !b)
        return kBadUsage;
    return printDifferences(*a, *b, naming, columnName(pathA, pathB), columnName(pathB, pathA));
}

} // namespace commands
