#pragma once

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSize>

// Facts read from the text of a PDF file, without a PDF library.
namespace pdffile {

inline QString text(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray data = file.readAll();
    return data.startsWith("%PDF-") ? QString::fromLatin1(data) : QString();
}

// Page objects: "/Type /Page", not the "/Type /Pages" tree above them.
// -1 when the file is missing or no PDF.
inline int pageCount(const QString &path)
{
    const QString pdf = text(path);
    if (pdf.isEmpty())
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    for (auto it = page.globalMatch(pdf); it.hasNext(); it.next())
        ++count;
    return count;
}

// Pixel sizes of the images the file holds, from their dictionaries.
inline QList<QSize> imageSizes(const QString &path)
{
    static const QRegularExpression image(
        QStringLiteral("/Subtype\\s*/Image\\s*/Width\\s*(\\d+)\\s*/Height\\s*(\\d+)"));
    QList<QSize> sizes;
    for (auto it = image.globalMatch(text(path)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sizes << QSize(match.captured(1).toInt(), match.captured(2).toInt());
    }
    return sizes;
}

} // namespace pdffile
