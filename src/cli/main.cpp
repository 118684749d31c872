#include "CommandLine.h"
#include "Commands.h"
#include "ExitStatus.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zevras-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEVRAS_VERSION));

    const auto parsed = parseCommandLine(QCoreApplication::arguments());
    if (const auto *early = std::get_if<EarlyExit>(&parsed))
        return early->status;
    const Invocation &invocation = std::get<Invocation>(parsed);
    switch (invocation.command) {
    case Invocation::Command::Ports:
        return commands::ports();
    case Invocation::Command::Diff:
        return commands::diffFiles(invocation.files[0], invocation.files[1]);
    default:
        break;
    }
    return kBadUsage;
}
