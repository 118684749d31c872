#pragma once

#include "CommandLine.h"
#include "LinkSession.h"
#include "ParameterSet.h"

// Each command, run to its end; returns the exit status (ExitStatus.h).
namespace commands {

// How sets are listed: by the window's names with units and a header over
// the columns, or by the file's keys, as scripts take them (--keys).
enum class Naming
{
    Shown,
    Keys
};

int ports();
// Asks every serial device whether the unit answers on it (ports --probe).
int probePorts();
// The header of a file's column: its name, as the compare window heads it,
// or the path as given where the other file has the same name; "stdin" for
// standard input.
QString columnName(const QString &path, const QString &otherPath = QString());

// Lists on standard output the parameters that differ between a and b, one
// per line, under a header naming the sides nameA and nameB; kDone when none
// differ, else kDifferent.
int printDifferences(const ParameterSet &a, const ParameterSet &b, Naming naming,
                     const QString &nameA, const QString &nameB);

int diffFiles(const QString &pathA, const QString &pathB, Naming naming);

// Opens a session on the port --port names (or the settings' Com port when
// empty); kDone, or the exit status of the failure, already reported.
int openSession(std::optional<LinkSession> &session, const QString &portOption);

// The commands that talk to the unit, on the port --port names (or the
// settings' Com port when empty).
int read(const QString &path, const QString &portOption, Naming naming);
int program(const QString &path, const QString &portOption);
int verify(const QString &path, const QString &portOption, Naming naming);
int diffUnit(const QString &path, const QString &portOption, Naming naming);
// Until count answers have come (none: until interrupted); csvPath empty for
// no CSV, "-" for standard output.
int monitor(const std::optional<int> &count, const QString &csvPath, const QString &portOption);

} // namespace commands
