#pragma once

#include <QString>
#include <QStringList>

// Where Help looks for the manual, in this order: the working folder, the
// program's own folder (where the build puts the manuals) and the installed
// documentation folder.
QStringList manualFolders();

// The full path of fileName in the first folder that holds it as a file;
// empty when none does.
QString findManual(const QString &fileName, const QStringList &folders);
