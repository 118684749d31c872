#include "TFormHlav.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zevras"));
    try {
        TFormHlav FormHlav(QApplication::arguments().mid(1));
        FormHlav.show();
        app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("zevras"), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
