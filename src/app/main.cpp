#include "TFormHlav.h"

#include <QApplication>
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zevras"));
    ExitAfterShow exitAfterShow;
    if (qEnvironmentVariableIsSet("ZEVRAS_EXIT_AFTER_SHOW"))
        app.installEventFilter(&exitAfterShow);
    try {
        TFormHlav FormHlav(QApplication::arguments().mid(1));
        FormHlav.show();
        app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("zevras"), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
