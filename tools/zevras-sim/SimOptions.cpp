#include "SimOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <limits>

namespace {

struct CommandOption
{
    const char *name;
    const char *valueName; // empty for a switch
    const char *command;   // control command; a value is appended
    const char *help;
};

// Options that set the engine or the faults map onto the control commands,
// so both take the same values.
const CommandOption kCommandOptions[] = {
    {"rpm", "N", "rpm", "Hold the engine speed at N rpm (0 = stopped)."},
    {"sweep", "MIN:MAX:SECONDS", "sweep",
     "Sweep the speed from MIN to MAX and back, SECONDS each way (default 1000:13000:30)."},
    {"supply", "MV", "supply", "Supply voltage in millivolts (default 13800)."},
    {"ripple", "MV", "ripple", "Ripple on the supply voltage in millivolts (default 60)."},
    {"input1", "", "input1 on", "Input 1 is active."},
    {"input2", "", "input2 on", "Input 2 is active."},
    {"pickup-negative", "", "pickup negative", "The pick-up measures negative polarity."},
    {"silent", "", "fault silent on", "Never answer."},
    {"first-silent", "N", "fault first-silent", "Ignore the first N requests of each code."},
    {"drop", "PERCENT", "fault drop", "Lose this share of the answers."},
    {"flip", "PERCENT", "fault flip", "Flip one random bit in this share of the answers."},
    {"garbage", "", "fault garbage on", "Send stray bytes before some answers."},
    {"split", "N", "fault split", "Write answers in chunks of N bytes with small gaps."},
    {"late", "MS", "fault late", "Hold every answer back MS milliseconds."},
};

bool intValue(const QCommandLineParser &parser, const QString &name, int low, int high, int *out,
              QString *message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < low || value > high) {
        *message = QStringLiteral("--%1 takes %2..%3").arg(name).arg(low).arg(high);
        return false;
    }
    *out = value;
    return true;
}

} // namespace

std::optional<SimConfig> parseOptions(const QStringList &arguments, QString *message,
                                      bool *helpWanted)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulates a ZEVRA-S2 ignition unit on a pseudo-terminal.\n"
                       "Prints \"DEVICE <path>\" first; reads control commands from stdin."));
    const QCommandLineOption help = parser.addHelpOption();
    for (const CommandOption &o : kCommandOptions)
        parser.addOption(
            {QLatin1String(o.name), QLatin1String(o.help), QLatin1String(o.valueName)});
    parser.addOptions({
        {"link", "Make a symbolic link PATH to the device (removed on exit).", "PATH"},
        {"verbose", "Print a line for every request handled."},
        {"seed", "Seed of the fault injector's random numbers (default 1).", "N"},
        {"format-version", "Data-format version the unit reports (default 46).", "N"},
        {"read-protected", "Page 0 forbids reading."},
        {"ee-error", "Report damaged stored data."},
        {"prog-count", "How many times the unit was programmed before (default 0).", "N"},
        {"save-step", "Milliseconds per step of the storing countdown (default 55).", "MS"},
        {"page1-hex", "Stored parameters as 50 bytes in hex (default: the New defaults).", "HEX"},
        {"name", "Three-letter program name (default SIL).", "ABC"},
        {"number", "Number after the name (default 13).", "N"},
        {"long-name", "Long program name, up to 30 characters.", "TEXT"},
        {"date", "Build date, e.g. \"Oct 5 2023\" (the default).", "DATE"},
        {"time", "Build time, e.g. 14:07 (the default).", "HH:MM"},
    });

    *helpWanted = false;
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        *helpWanted = true;
        *message = parser.helpText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return std::nullopt;
    }

    SimConfig config;
    UnitOptions &unit = config.unit;
    UnitIdentity &id = unit.identity;
    int seed = int(config.seed);
    if (!intValue(parser, "seed", 0, std::numeric_limits<int>::max(), &seed, message) ||
        !intValue(parser, "format-version", 0, 255, &id.formatVersion, message) ||
        !intValue(parser, "prog-count", 0, 0xFFFF, &unit.progCount, message) ||
        !intValue(parser, "save-step", 1, 60000, &unit.saveStepMs, message) ||
        !intValue(parser, "number", 0, 99, &id.number, message))
        return std::nullopt;
    config.seed = quint32(seed);
    config.verbose = parser.isSet("verbose");
    config.linkPath = parser.value("link");
    unit.readProtected = parser.isSet("read-protected");
    unit.eeDataError = parser.isSet("ee-error");

    if (parser.isSet("name")) {
        id.name = parser.value("name").toLatin1();
        if (id.name.size() != 3) {
            *message = QStringLiteral("--name takes three letters");
            return std::nullopt;
        }
    }
    id.longName = parser.value("long-name").toLatin1().left(wire::info::LONG_NAME_SIZE);
    if ((parser.isSet("date") && !parseBuildDate(parser.value("date"), &id)) ||
        (parser.isSet("time") && !parseBuildTime(parser.value("time"), &id))) {
        *message = QStringLiteral("--date takes \"Oct 5 2023\", --time takes 14:07");
        return std::nullopt;
    }
    if (parser.isSet("page1-hex")) {
        static const QRegularExpression pageHex(QStringLiteral("^[0-9a-fA-F]{100}$"));
        const QString hex = parser.value("page1-hex").remove(QLatin1Char(' '));
        if (!pageHex.match(hex).hasMatch()) {
            *message = QStringLiteral("--page1-hex takes 50 bytes as 100 hex digits");
            return std::nullopt;
        }
        const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
        Page page;
        std::copy(bytes.begin(), bytes.end(), page.begin());
        config.page1 = page;
    }

    for (const CommandOption &o : kCommandOptions) {
        if (!parser.isSet(QLatin1String(o.name)))
            continue;
        QString command = QLatin1String(o.command);
        if (*o.valueName)
            command += QLatin1Char(' ') + parser.value(QLatin1String(o.name));
        config.startCommands << command;
    }
    return config;
}
