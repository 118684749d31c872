#pragma once

#include "CommandLine.h"
#include "LinkSession.h"
#include "ParameterSet.h"

// Each command, run to its end; returns the exit status (ExitStatus.h).
namespace commands {

int ports();
// Asks every serial device whether the unit answers on it (ports --probe).
int probePorts();
// Lists on standard output the parameters that differ between a and b, one
// per line; kDone when none differ, else kDifferent.
int printDifferences(const ParameterSet &a, const ParameterSet &b);

int diffFiles(const QString &pathA, const QString &pathB);

// Opens a session on the port --port names (or the settings' Com port when
// empty); kDone, or the exit status of the failure, already reported.
int openSession(std::optional<LinkSession> &session, const QString &portOption);

// The commands that talk to the unit, on the port --port names (or the
// settings' Com port when empty).
int read(const QString &path, const QString &portOption);
int program(const QString &path, const QString &portOption);
int verify(const QString &path, const QString &portOption);
int diffUnit(const QString &path, const QString &portOption);
// Until count answers have come (none: until interrupted); csvPath empty for
// no CSV, "-" for standard output.
int monitor(const std::optional<int> &count, const QString &csvPath, const QString &portOption);

} // namespace commands
