// Renders the program's SVG icon into the PNG sizes of the hicolor theme at
// build time with Qt's own SVG renderer, so no image tool is needed.
//
//     iconpng <icon.svg> <size> <output.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.value(2).toInt(&sizeOk);
    if (arguments.size() != 4 || !sizeOk || size < 1) {
        std::fprintf(stderr, "usage: iconpng <icon.svg> <size> <output.png>\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
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
