#include "TestPaths.h"

namespace testpaths {

QString simulator()
{
    return QStringLiteral(ZEVRAS_SIM_PATH);
}

QString cli()
{
    return QStringLiteral(ZEVRAS_CLI_PATH);
}

QString window()
{
    return QStringLiteral(ZEVRAS_BINARY);
}

QString fuzzCorpus()
{
    return QStringLiteral(ZEVRAS_FUZZ_CORPUS_DIR);
}

QString builtManuals()
{
    return QStringLiteral(ZEVRAS_MANUAL_DIR);
}

QString manualSources()
{
    return QStringLiteral(ZEVRAS_MANUAL_SOURCE_DIR);
}

} // namespace testpaths
