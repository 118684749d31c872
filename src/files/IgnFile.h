#pragma once

#include "ParameterSet.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// The .ign parameter file: the parameter page as a short text, one key per
// parameter group. Neither the identification page nor the spare bytes are
// held; reading a file leaves them as they were.
namespace IgnFile {

// The file text, byte for byte: fixed key widths and number fields, CR LF
// line ends (the files are exchanged with the Windows program), no line
// break after the last field.
QByteArray parameterFileText(const ParameterSet &image);

// A key of the file and the image bytes its numbers hold, from position on.
struct Key
{
    const char *name;
    int position;
    int count;
};

// Every key, in the order the file holds them.
QList<Key> keys();

// Writes the file text to an open, empty device; false if the device refuses.
bool SaveParameterFile(QIODevice &file, const ParameterSet &image);

// Reads an open device into the image. Returns whether a "KORVALEN_KEY" with
// the program's data version was found; if not, the image is left unchanged.
// Values are stored as read: the caller applies the range rule.
bool LoadParameterFile(QIODevice &file, ParameterSet &image);

// Saves atomically; false leaves any earlier file at the path whole.
bool save(const QString &path, const ParameterSet &image);

enum class LoadResult
{
    Loaded,
    CannotOpen,
    VersionRefused
};

// Loads from a regular file; the image changes only on Loaded.
LoadResult load(const QString &path, ParameterSet &image);

} // namespace IgnFile
