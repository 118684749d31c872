#include "Console.h"

#include <cstdio>

namespace console {

namespace {

void write(std::FILE *stream, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

void out(const QString &line)
{
    write(stdout, line);
}

void error(const QString &line)
{
    write(stderr, QStringLiteral("zevras-cli: ") + line);
}

void progress(const QString &line)
{
    write(stderr, line);
}

} // namespace console
