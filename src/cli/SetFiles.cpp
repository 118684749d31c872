#include "SetFiles.h"

#include "Console.h"
#include "ControlRanges.h"
#include "IgnFile.h"
#include "ParameterCodes.h"
#include "ParameterComparison.h"

#include <QFileInfo>

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

} // namespace

std::optional<ParameterSet> load(const QString &path)
{
    ParameterSet image;
    image.SetDefaults();
    switch (IgnFile::load(path, image)) {
    case IgnFile::LoadResult::Loaded:
        return image;
    case IgnFile::LoadResult::CannotOpen:
        console::error(
            QStringLiteral("cannot read %1: %2").arg(path, unreadableReason(QFileInfo(path))));
        break;
    case IgnFile::LoadResult::VersionRefused:
        console::error(QStringLiteral("%1 is not a parameter file of data version 46 "
                                      "(no \"KORVALEN_KEY 46\" in it)")
                           .arg(path));
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
                           .arg(path)
                           .arg(loaded->bike()));
        return std::nullopt;
    }
    const ParameterSet image = controlranges::setToSend(*loaded);
    noteChanges(path, *loaded, image);
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
    if (IgnFile::save(path, image))
        return true;
    console::error(QStringLiteral("cannot write %1: %2")
                       .arg(path, unwritableReason(path).value_or(
                                      QStringLiteral("the write failed (disk full?)"))));
    return false;
}

} // namespace setfiles
