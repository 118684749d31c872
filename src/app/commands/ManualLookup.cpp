#include "ManualLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The installed documentation is looked for beside the program's own prefix
// as well, so that a package built for /usr finds it wherever it was configured.
QStringList manualFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), program,
            QDir::cleanPath(program + QStringLiteral("/" ZEVRAS_DOC_DIR_FROM_PROGRAM)),
            QStringLiteral(ZEVRAS_DOC_DIR)};
}

QString findManual(const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return QString();
}
