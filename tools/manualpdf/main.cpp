// Turns one HTML manual into an A4 PDF with Qt's own text layout, so the
// manuals need nothing beyond Qt to build.
//
//     manualpdf <manual.html> <style.css> <output.pdf>

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

constexpr int kResolutionDpi = 300;

bool readText(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "manualpdf: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // Layout needs fonts, not a screen: run headless unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        fail(QStringLiteral("usage: manualpdf <manual.html> <style.css> <output.pdf>"));
        return 2;
    }
    const QString &source = args.at(1);
    const QString &output = args.at(3);

    QString html;
    QString style;
    if (!readText(source, &html)) {
        fail(QStringLiteral("cannot read %1").arg(source));
        return 1;
    }
    if (!readText(args.at(2), &style)) {
        fail(QStringLiteral("cannot read %1").arg(args.at(2)));
        return 1;
    }

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()));
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setDefaultStyleSheet(style);
    document.setHtml(html);

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1").arg(output));
        return 1;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolutionDpi);
        // QTextDocument::print() lays the text out with 2 cm margins and page
        // numbers of its own, so the page itself has none.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("zevras manualpdf"));
        document.print(&writer);
    }
    if (!file.commit()) {
        fail(QStringLiteral("cannot write %1").arg(output));
        return 1;
    }
    return 0;
}
