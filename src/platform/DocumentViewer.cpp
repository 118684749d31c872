#include "DocumentViewer.h"

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// xdg-mime answers from files on disk, at once; a desktop that hangs on it
// does not stop the window for long.
constexpr int kAnswerMs = 3000;

} // namespace

// xdg-open hands the file to the default application of its type; without
// one it fails after Qt has already reported the launch as done.
bool desktopHasViewer(const QString &file)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(kAnswerMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

#else

// Windows and macOS report a missing association when asked to open the file.
bool desktopHasViewer(const QString &)
{
    return true;
}

#endif
