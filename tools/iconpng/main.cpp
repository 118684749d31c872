// Renders one of the program's SVG drawings into a PNG at build time with
// Qt's own SVG renderer, so no image tool is needed: the hicolor theme's icon
// sizes, and the window's tool bar icons and logo as the window shows them.
//
//     iconpng <drawing.svg> <size> <output.png>
//
// <size> is one number for a square, or WIDTHxHEIGHT.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {
// "24" is 24 by 24; "167x84" is 167 wide and 84 high. Anything else is no size.
QSize sizeArgument(const QString &text)
{
    const QStringList sides = text.split(QLatin1Char('x'));
    if (sides.size() > 2)
        return {};
    bool widthOk = false;
    bool heightOk = false;
    const int width = sides.first().toInt(&widthOk);
    const int height = sides.last().toInt(&heightOk);
    return widthOk && heightOk ? QSize(width, height) : QSize();
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const QSize size = sizeArgument(arguments.value(2));
    if (arguments.size() != 4 || !size.isValid() || size.isEmpty()) {
        std::fprintf(stderr, "usage: iconpng <drawing.svg> <size|WIDTHxHEIGHT> <output.png>\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QSaveFile output(arguments[3]);
    if (!output.open(QIODevice::WriteOnly) || !image.save(&output, "PNG") || !output.commit()) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
