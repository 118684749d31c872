#include "ConfigPaths.h"
#include "LanguageCommands.h"
#include "SettingsFile.h"
#include "SettingsLock.h"
#include "TFormHlav.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <exception>

namespace {

// For the start-up bench (ZEVRAS_EXIT_AFTER_SHOW set): once the window is
// first on screen and painted, print when, in microseconds since the epoch,
// and quit. The bench knows when it launched the program.
class ExitAfterShow : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed()) {
            qApp->removeEventFilter(this);
            // Queued, so the paint that answers the expose comes first.
            QTimer::singleShot(0, qApp, [] {
                using namespace std::chrono;
                const auto now =
                    duration_cast<microseconds>(system_clock::now().time_since_epoch());
                std::printf("shown %lld\n", static_cast<long long>(now.count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Configurator for the ZEVRA-S2 digital ignition unit."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("language"),
        QStringLiteral("ENGLISH, DEUTSCH, FRANCE or CESKY: the language to start in."),
        QStringLiteral("[LANGUAGE]"));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A .ign parameter file to open at start."),
                                 QStringLiteral("[FILE]"));
}

// --help and --version answer on the terminal and end the program; they need
// no display, so only a core application is made for them.
bool asksForInformation(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zevras"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEVRAS_VERSION));
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (asksForInformation(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        parser.process(terminal);
    }

    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEVRAS_APP_ID));
    // An option the window does not know is no reason not to open it.
    if (!parser.parse(QCoreApplication::arguments()))
        std::fprintf(stderr, "zevras: %s (ignored)\n", qPrintable(parser.errorText()));
    ExitAfterShow exitAfterShow;
    if (qEnvironmentVariableIsSet("ZEVRAS_EXIT_AFTER_SHOW"))
        app.installEventFilter(&exitAfterShow);
    // Asked before the window reads its settings or opens its port.
    SettingsLock settingsLock(ConfigPaths::configFolder());
    const quint8 language =
        LanguageCommands::languageOfWord(parser.positionalArguments())
            .value_or(SettingsFile::load(ConfigPaths::settingsFile()).language.value_or(0));
    if (!settingsLock.acquire(language))
        return 0;
    try {
        TFormHlav FormHlav(parser.positionalArguments());
        FormHlav.show();
        app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("zevras"), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
