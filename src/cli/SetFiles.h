#pragma once

#include "ParameterSet.h"

#include <QString>

#include <optional>

// Parameter files as the commands use them; every failure is reported on
// standard error with the file and the reason.
namespace setfiles {

// The file's set over the New defaults, exactly as the file holds it; none
// when the file cannot be read or is not a parameter file of our version.
std::optional<ParameterSet> load(const QString &path);

// The set to send to the unit for this file: loaded, then brought under the
// range rule and the pick-up rule as the window does before Program and
// Verify. What those rules changed is reported as a note.
std::optional<ParameterSet> loadForUnit(const QString &path);

// Whether a file can be written at path (its folder exists and is writable,
// and an existing file is a writable regular file); reported when not.
bool checkWritable(const QString &path);

// Writes the file atomically; false (reported) leaves an earlier file whole.
bool save(const QString &path, const ParameterSet &image);

} // namespace setfiles
