#include "ControlCommands.h"
#include "PlugSwitch.h"
#include "Pty.h"
#include "SimOptions.h"
#include "SimSession.h"
#include "StdinLines.h"
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

namespace {

void printLine(const QString &line)
{
    static QTextStream out(stdout);
    out << line << Qt::endl;
}

void printError(const QString &line)
{
    QTextStream(stderr) << "zevras-sim: " << line << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zevras-sim"));

    QString message;
    bool helpWanted = false;
    const std::optional<SimConfig> config = parseOptions(app.arguments(), &message, &helpWanted);
    if (!config) {
        if (helpWanted) {
            printLine(message);
            return 0;
        }
        printError(message);
        return 2;
    }

    Pty pty;
    if (!pty.open(&message)) {
        printError(message);
        return 1;
    }
    SimSession session(pty, config->unit, config->seed, printLine);
    if (config->page1)
        session.unit().setPage1(*config->page1);
    ControlCommands commands(session.engine(), session.faults(), session.unit());
    for (const QString &command : config->startCommands) {
        const ControlCommands::Result result = commands.execute(command, session.now());
        if (result.reply.startsWith(QLatin1String("ERROR"))) {
            printError(result.reply.mid(6));
            return 2;
        }
    }
    session.setVerbose(config->verbose);

    PlugSwitch plugSwitch(pty, session, config->linkPath);
    if (!plugSwitch.makeLink()) {
        printError(QStringLiteral("cannot make the link ") + config->linkPath);
        return 1;
    }
    printLine(QStringLiteral("DEVICE ") + pty.devicePath());

    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);
#ifdef Q_OS_UNIX
    // A background run must not stop when it touches the terminal, nor end
    // when the reader of its output goes away.
    std::signal(SIGTTIN, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
    StdinLines input;
    QObject::connect(&input, &StdinLines::lineReceived, &app, [&](const QString &line) {
        if (const std::optional<QString> reply = plugSwitch.execute(line)) {
            printLine(*reply);
            return;
        }
        const ControlCommands::Result result = commands.execute(line, session.now());
        printLine(result.reply);
        if (result.quit)
            QCoreApplication::quit();
    });

    const int code = app.exec();
    plugSwitch.removeLink();
    return code;
}
