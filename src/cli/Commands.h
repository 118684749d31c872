#pragma once

#include "CommandLine.h"
#include "ParameterSet.h"

// Each command, run to its end; returns the exit status (ExitStatus.h).
namespace commands {

int ports();
// Lists on standard output the parameters that differ between a and b, one
// per line; kDone when none differ, else kDifferent.
int printDifferences(const ParameterSet &a, const ParameterSet &b);

int diffFiles(const QString &pathA, const QString &pathB);

} // namespace commands
