#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Bounded reading and atomic writing shared by every file the program keeps.
namespace fileaccess {

// No file of the program comes near this; larger input is not ours and is
// read only this far, so a huge or endless input cannot stall the program.
constexpr qint64 kMaxReadBytes = 1 << 20;

// What the device still holds, up to kMaxReadBytes. A word cut by the limit
// is dropped so that no word is read in part.
QByteArray readCapped(QIODevice &device);

// The content of a readable regular file, read as above. Pipes and devices
// are refused: opening or reading them could block start-up for good.
std::optional<QByteArray> readFile(const QString &path);

enum class Folder
{
    MustExist,
    Create
};

// Replaces the file with data in one step. On any failure the previous file
// stays whole, no temporary file is left and false is returned. A path that
// names anything but a regular file, through links too, is refused.
bool writeAtomically(const QString &path, const QByteArray &data, Folder folder);

} // namespace fileaccess
