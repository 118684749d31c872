#include "Commands.h"

#include "Console.h"
#include "ExitStatus.h"
#include "ParameterComparison.h"
#include "SetFiles.h"

namespace commands {

int printDifferences(const ParameterSet &a, const ParameterSet &b)
{
    const QList<ParameterComparison::Difference> differences = ParameterComparison::compare(a, b);
    for (const ParameterComparison::Difference &difference : differences)
        console::out(ParameterComparison::differenceLine(difference));
    return differences.isEmpty() ? kDone : kDifferent;
}

int diffFiles(const QString &pathA, const QString &pathB)
{
    const std::optional<ParameterSet> a = setfiles::load(pathA);
    const std::optional<ParameterSet> b = a ? setfiles::load(pathB) : std::nullopt;
    if (!a || !b)
        return kBadUsage;
    return printDifferences(*a, *b);
}

} // namespace commands
