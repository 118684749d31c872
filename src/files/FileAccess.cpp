#include "FileAccess.h"

#include "WordReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fileaccess {

namespace {
// QIODevice::read(n) reserves n bytes before it reads; the files are small,
// so read in pieces of Qt's own buffer size rather than reserving the limit.
constexpr qint64 kReadPiece = 16 * 1024;
} // namespace

QByteArray readCapped(QIODevice &device)
{
    QByteArray data;
    while (data.size() <= kMaxReadBytes) {
        const QByteArray chunk = device.read(qMin(kReadPiece, kMaxReadBytes + 1 - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    if (data.size() > kMaxReadBytes) {
        const bool cutInsideWord = !isWordSpace(data[kMaxReadBytes]);
        data.truncate(kMaxReadBytes);
        if (cutInsideWord) {
            while (!data.isEmpty() && !isWordSpace(data.back()))
                data.chop(1);
        }
    }
    // Read in pieces, the text has room to spare; what is kept holds only its own size.
    data.squeeze();
    return data;
}

std::optional<QByteArray> readFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readCapped(file);
}

bool writeAtomically(const QString &path, const QByteArray &data, Folder folder)
{
    // A device, a pipe or a folder, even behind a link, is no file of ours:
    // the temporary file would replace it, or the link to it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return false;
    if (folder == Folder::Create)
        QDir().mkpath(target.absolutePath());
    QSaveFile file(path);
    // Unbuffered, so that a short write shows here: a buffered one fails only
    // while committing, and Qt 6.4 then still reports the commit as done.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace fileaccess
