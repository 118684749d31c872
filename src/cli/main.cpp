#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "ExitStatus.h"

#include <QCoreApplication>

namespace {

int run(const QStringList &arguments)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto *early = std::get_if<EarlyExit>(&parsed))
        return early->status;
    const Invocation &invocation = std::get<Invocation>(parsed);
    const QStringList &files = invocation.files;
    const commands::Naming naming =
        invocation.keys ? commands::Naming::Keys : commands::Naming::Shown;
    switch (invocation.command) {
    case Invocation::Command::Read:
        return commands::read(files[0], invocation.port, naming);
    case Invocation::Command::Program:
        return commands::program(files[0], invocation.port);
    case Invocation::Command::Verify:
        return commands::verify(files[0], invocation.port, naming);
    case Invocation::Command::Diff:
        return commands::diffFiles(files[0], files[1], naming);
    case Invocation::Command::DiffUnit:
        return commands::diffUnit(files[0], invocation.port, naming);
    case Invocation::Command::Monitor:
        return commands::monitor(invocation.count, invocation.csv, invocation.port);
    case Invocation::Command::Ports:
        return invocation.probe ? commands::probePorts() : commands::ports();
    }
    return kBadUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zevras-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEVRAS_VERSION));

    return console::finish(run(QCoreApplication::arguments()));
}
