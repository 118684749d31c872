#pragma once

#include "ParameterSet.h"

#include <QString>

#include <optional>

// Parameter files as the commands use them; every failure is reported on
// standard error with the file and the reason.
namespace setfiles {

// The file name that means standard input (where a file is read) or
// standard output (where one is written), as for monitor --csv.
bool isStandardStream(const QString &path);

// The file as messages and column headers name it.
QString shownPath(const QString &path);

// The file's set over the New defaults, exactly as the file holds it; none
// when the file cannot be read or is not a parameter file of our version.
// "-" reads standard input to its end, through the same parser.
std::optional<ParameterSet> load(const QString &path);

// The set to send to the unit for this file, the one the window sends after
// opening it: loaded, then through the range rule, the ranges of the window's
// controls and the pick-up rule. Each value they changed is reported as a
// note; a BIKE the window does not list is refused.
std::optional<ParameterSet> loadForUnit(const QString &path);

// One note per value that differs from before to after, naming the source.
void noteChanges(const QString &source, const ParameterSet &before, const ParameterSet &after);

// Whether a file can be written at path (its folder exists and is writable,
// and an existing file is a writable regular file); reported when not.
bool checkWritable(const QString &path);

// Writes the file atomically; false (reported) leaves an earlier file whole.
// "-" writes it to standard output, where a loss is the console's to report.
bool save(const QString &path, const ParameterSet &image);

} // namespace setfiles
