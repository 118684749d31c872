#include "CommandLine.h"

#include "Console.h"
#include "ExitStatus.h"
#include "SetFiles.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {

const QString kUnitWord = QStringLiteral("unit");

const QString kCommands = QStringLiteral(
    "Reads, programs, verifies and watches a ZEVRA-S2 ignition unit.\n"
    "\n"
    "Commands:\n"
    "  read FILE.ign        read the unit's set, write it as a parameter file and\n"
    "                       list it\n"
    "  program FILE.ign     program the file's set, verify it, wait until the unit\n"
    "                       reports it stored\n"
    "  verify FILE.ign      compare the unit's set with the file's\n"
    "  diff A.ign B.ign     list the parameters that differ; B may be the word \"unit\"\n"
    "  monitor              live values, one line per status answer\n"
    "  ports                each COM item, its device, and whether it can be opened;\n"
    "                       with --probe, whether the unit answers on each device\n"
    "\n"
    "Sets are listed by the names the window gives the parameters, with units;\n"
    "verify and diff head their columns with the sides they compare. --keys lists\n"
    "them by the parameter file's keys instead, without a header, for scripts.\n"
    "A file named \"-\" is standard input where a file is read (program, verify,\n"
    "diff) and standard output where one is written (read, monitor --csv).\n"
    "\n"
    "Exit status: 0 done and equal, 1 a difference or a failed verify, 2 bad usage\n"
    "or a file that cannot be read or written, 3 the link to the unit failed.");

struct CommandWord
{
    const char *name;
    Invocation::Command command;
    int files;
};

constexpr CommandWord kCommandWords[] = {
    {"read", Invocation::Command::Read, 1},       {"program", Invocation::Command::Program, 1},
    {"verify", Invocation::Command::Verify, 1},   {"diff", Invocation::Command::Diff, 2},
    {"monitor", Invocation::Command::Monitor, 0}, {"ports", Invocation::Command::Ports, 0},
};

EarlyExit usageError(const QString &text)
{
    console::error(text + QStringLiteral(" (see zevras-cli --help)"));
    return EarlyExit{kBadUsage};
}

} // namespace

std::variant<Invocation, EarlyExit> parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(kCommands);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("The port: a Com item COM1..COM10 (its device as the window maps it) or a "
                       "device path, or \"auto\": the device the unit answers on. Without it, "
                       "the Com port stored in zevras.ini."),
        QStringLiteral("COMn|DEVICE"));
    const QCommandLineOption countOption(QStringLiteral("count"),
                                         QStringLiteral("monitor: stop after N status answers."),
                                         QStringLiteral("N"));
    const QCommandLineOption csvOption(
        QStringLiteral("csv"),
        QStringLiteral("monitor: write the values as CSV to FILE, or \"-\" for standard output."),
        QStringLiteral("FILE"));
    const QCommandLineOption probeOption(
        QStringLiteral("probe"),
        QStringLiteral("ports: ask every serial device for the unit (one status request each)."));
    const QCommandLineOption keysOption(
        QStringLiteral("keys"),
        QStringLiteral("read, verify, diff: list the parameters by the parameter file's keys "
                       "(LIMITER[3], RPM_ADV[1]), values and units in fixed columns, without a "
                       "header: the output scripts take."));
    parser.addOptions({portOption, countOption, csvOption, probeOption, keysOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("read, program, verify, diff, monitor or ports."),
                                 QStringLiteral("COMMAND [ARGS]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        console::outText(parser.helpText());
        return EarlyExit{kDone};
    }
    if (parser.isSet(versionOption)) {
        console::out(QCoreApplication::applicationName() + QLatin1Char(' ') +
                     QCoreApplication::applicationVersion());
        return EarlyExit{kDone};
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString name = positional.takeFirst();
    const CommandWord *word = nullptr;
    for (const CommandWord &candidate : kCommandWords) {
        if (name == QLatin1String(candidate.name))
            word = &candidate;
    }
    if (!word)
        return usageError(QStringLiteral("unknown command \"%1\"").arg(name));
    if (positional.size() != word->files) {
        return usageError(QStringLiteral("%1 takes %2 file argument(s), not %3")
                              .arg(name)
                              .arg(word->files)
                              .arg(positional.size()));
    }

    Invocation invocation;
    invocation.command = word->command;
    invocation.files = positional;
    invocation.port = parser.value(portOption);
    if (parser.isSet(portOption) && invocation.port.isEmpty())
        return usageError(QStringLiteral("--port needs a Com item or a device path"));
    const bool monitor = word->command == Invocation::Command::Monitor;
    if (!monitor && (parser.isSet(countOption) || parser.isSet(csvOption)))
        return usageError(QStringLiteral("--count and --csv belong to monitor"));
    if (parser.isSet(countOption)) {
        bool ok = false;
        const int count = parser.value(countOption).toInt(&ok);
        if (!ok || count < 1)
            return usageError(QStringLiteral("--count needs a whole number of at least 1"));
        invocation.count = count;
    }
    invocation.probe = parser.isSet(probeOption);
    if (invocation.probe && word->command != Invocation::Command::Ports)
        return usageError(QStringLiteral("--probe belongs to ports"));
    invocation.keys = parser.isSet(keysOption);
    const bool lists = word->command == Invocation::Command::Read ||
                       word->command == Invocation::Command::Verify ||
                       word->command == Invocation::Command::Diff;
    if (invocation.keys && !lists)
        return usageError(QStringLiteral("--keys belongs to read, verify and diff"));
    invocation.csv = parser.value(csvOption);
    if (parser.isSet(csvOption) && invocation.csv.isEmpty())
        return usageError(QStringLiteral("--csv needs a file name, or \"-\""));
    if (std::count_if(invocation.files.cbegin(), invocation.files.cend(),
                      setfiles::isStandardStream) > 1)
        return usageError(QStringLiteral("only one file can be \"-\", standard input"));
    if (word->command == Invocation::Command::Diff && invocation.files.first() == kUnitWord)
        return usageError(QStringLiteral("only the second file of diff may be \"unit\""));
    if (word->command == Invocation::Command::Diff && invocation.files.last() == kUnitWord) {
        invocation.command = Invocation::Command::DiffUnit;
        invocation.files.removeLast();
    }
    return invocation;
}
