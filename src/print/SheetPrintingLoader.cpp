#include "SheetPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace print {

namespace {

SheetPrinting *loadModule()
{
    // Installed, the module sits in the program's own library folder; in a
    // build, beside the program, which is among the library paths already.
    QCoreApplication::addLibraryPath(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                        QStringLiteral(ZEVRAS_MODULE_DIR_FROM_PROGRAM)));
    QPluginLoader loader(QStringLiteral("zevras-print"));
    return qobject_cast<SheetPrinting *>(loader.instance());
}

} // namespace

SheetPrinting *sheetPrinting()
{
    static SheetPrinting *const module = loadModule();
    return module;
}

} // namespace print
