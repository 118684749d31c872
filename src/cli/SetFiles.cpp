#include "SetFiles.h"

#include "Console.h"
#include "ControlRanges.h"
#include "FileAccess.h"
#include "IgnFile.h"
#include "MonitorCsv.h"
#include "ParameterCodes.h"
#include "ParameterComparison.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace setfiles {

namespace {

QString unreadableReason(const QFileInfo &info)
{
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (!info.isReadable())
        return QStringLiteral("permission denied");
    return QStringLiteral("it cannot be read");
}

std::optional<QString> unwritableReason(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    // The atomic writer puts a temporary file beside the target.
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is not writable").arg(folder.filePath());
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("permission denied");
    return std::nullopt;
}

// Standard input to its end, as far as a file of ours may go; none, reported,
// when it holds nothing but blanks.
std::optional<QByteArray> readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        console::error(QStringLiteral("cannot read standard input: ") + input.errorString());
        return std::nullopt;
    }
    const QByteArray text = fileaccess::readCapped(input);
    if (text.trimmed().isEmpty()) {
        console::error(QStringLiteral("standard input is empty; "
                                      "a parameter file was expected"));
        return std::nullopt;
    }
    return text;
}

IgnFile::LoadResult loadStandardInput(ParameterSet &image)
{
    std::optional<QByteArray> text = readStandardInput();
    if (!text)
        return IgnFile::LoadResult::CannotOpen;
    QBuffer buffer(&*text);
    buffer.open(QIODevice::ReadOnly);
    return IgnFile::LoadParameterFile(buffer, image) ? IgnFile::LoadResult::Loaded
                                                     : IgnFile::LoadResult::VersionRefused;
}

} // namespace

bool isStandardStream(const QString &path)
{
    return path == MonitorCsvFile::kStandardOutput;
}

QString shownPath(const QString &path)
{
    return isStandardStream(path) ? QStringLiteral("standard input") : path;
}

std::optional<ParameterSet> load(const QString &path)
{
    ParameterSet image;
    image.SetDefaults();
    const bool standardInput = isStandardStream(path);
    const IgnFile::LoadResult result =
        standardInput ? loadStandardInput(image) : IgnFile::load(path, image);
    switch (result) {
    case IgnFile::LoadResult::Loaded:
        return image;
    case IgnFile::LoadResult::CannotOpen:
        // Standard input has told its reason already.
        if (!standardInput) {
            console::error(
                QStringLiteral("cannot read %1: %2").arg(path, unreadableReason(QFileInfo(path))));
        }
        break;
    case IgnFile::LoadResult::VersionRefused:
        console::error(QStringLiteral("%1 is not a parameter file of data version 46 "
                                      "(no \"KORVALEN_KEY 46\" in it)")
                           .arg(shownPath(path)));
        break;
    }
    return std::nullopt;
}

std::optional<ParameterSet> loadForUnit(const QString &path)
{
    const std::optional<ParameterSet> loaded = load(path);
    if (!loaded)
        return std::nullopt;
    // The window's list would keep whichever kind it showed before.
    if (!codes::listIndexFromBike(loaded->bike())) {
        console::error(QStringLiteral("%1: BIKE %2 is no kind the window lists; "
                                      "choose one of 0, 1, 2, 4 and 5")
                           .arg(shownPath(path))
                           .arg(loaded->bike()));
        return std::nullopt;
    }
    const ParameterSet image = controlranges::setToSend(*loaded);
    noteChanges(shownPath(path), *loaded, image);
    return image;
}

void noteChanges(const QString &source, const ParameterSet &before, const ParameterSet &after)
{
    for (const auto &difference : ParameterComparison::compare(before, after)) {
        console::progress(QStringLiteral("note: %1: %2 becomes %3, as the window would set it")
                              .arg(source, difference.name)
                              .arg(difference.b));
    }
}

bool checkWritable(const QString &path)
{
    if (const auto reason = unwritableReason(path)) {
        console::error(QStringLiteral("cannot write %1: %2").arg(path, *reason));
        return false;
    }
    return true;
}

bool save(const QString &path, const ParameterSet &image)
{
    if (isStandardStream(path)) {
        console::outBytes(IgnFile::parameterFileText(image));
        return true;
    }
    if (IgnFile::save(path, image))
        return true;
    console::error(QStringLiteral("cannot write %1: %2")
                       .arg(path, unwritableReason(path).value_or(
                                      QStringLiteral("the write failed (disk full?)"))));
    return false;
}

} // namespace setfiles
