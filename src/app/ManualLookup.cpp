#include "ManualLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList manualFolders()
{
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
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
