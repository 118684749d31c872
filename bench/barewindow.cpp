// The yardstick of bench/all: a minimal Qt Widgets main window with a menu
// bar, a tool bar and 150 child widgets, started and measured like zevras.
// With ZEVRAS_EXIT_AFTER_SHOW set it prints the moment of its first paint,
// in microseconds since the epoch, and quits, as the program does.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kChildren = 150;
constexpr int kColumns = 6;

class ExitAfterShow : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed()) {
            qApp->removeEventFilter(this);
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

// Labels, edits, check boxes and buttons in turn, in a grid of fixed places.
QWidget *child(int i, QWidget *parent)
{
    const QString text = QStringLiteral("Item %1").arg(i);
    switch (i % 4) {
    case 0:
        return new QLabel(text, parent);
    case 1:
        return new QLineEdit(text, parent);
    case 2:
        return new QCheckBox(text, parent);
    default:
        return new QPushButton(text, parent);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ExitAfterShow exitAfterShow;
    if (qEnvironmentVariableIsSet("ZEVRAS_EXIT_AFTER_SHOW"))
        app.installEventFilter(&exitAfterShow);

    QMainWindow window;
    for (const char *title : {"File", "Edit", "Tools", "Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 4; ++i)
            menu->addAction(QStringLiteral("%1 %2").arg(QLatin1String(title)).arg(i));
    }
    QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon, QStyle::SP_DialogSaveButton,
          QStyle::SP_ArrowBack, QStyle::SP_ArrowForward})
        tools->addAction(window.style()->standardIcon(icon), QString());
    auto *central = new QWidget(&window);
    for (int i = 0; i < kChildren; ++i)
        child(i, central)->setGeometry(8 + 135 * (i % kColumns), 8 + 26 * (i / kColumns), 130, 22);
    window.setCentralWidget(central);
    window.resize(834, 758);
    window.show();
    return QApplication::exec();
}
