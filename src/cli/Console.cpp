#include "Console.h"

#include "ExitStatus.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace console {

namespace {

bool g_outputLost = false;
bool g_lossCounts = false; // lost for a reason other than a closed pipe

void write(std::FILE *stream, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void lose(int error)
{
    g_outputLost = true;
    if (error == EPIPE)
        return;
    g_lossCounts = true;
    console::error(QStringLiteral("cannot write the standard output: ") +
                   QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

bool outBytes(const QByteArray &bytes)
{
    if (g_outputLost)
        return false;
    errno = 0;
    const size_t size = size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        lose(errno);
    return !g_outputLost;
}

bool outText(const QString &text)
{
    return outBytes(text.toLocal8Bit());
}

bool out(const QString &line)
{
    return outText(line + QLatin1Char('\n'));
}

void error(const QString &line)
{
    write(stderr, QStringLiteral("zevras-cli: ") + line);
}

void progress(const QString &line)
{
    write(stderr, line);
}

int finish(int status)
{
    if (!g_outputLost) {
        errno = 0;
        const bool flushed = std::fflush(stdout) == 0;
        if (std::fclose(stdout) != 0 || !flushed)
            lose(errno);
    }
    return g_lossCounts ? kBadUsage : status;
}

} // namespace console
