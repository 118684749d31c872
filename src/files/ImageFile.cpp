#include "ImageFile.h"

#include "FileAccess.h"
#include "TextLineEnd.h"
#include "WordReader.h"

namespace ImageFile {

namespace {
constexpr int kNumbersPerLine = 10;
}

QByteArray imageText(const ParameterSet &image)
{
    QByteArray text;
    for (int pos = 0; pos < ParameterSet::kSize; ++pos) {
        text += QByteArray::number(image.at(pos)).rightJustified(5, ' ') + ' ';
        if (pos % kNumbersPerLine == kNumbersPerLine - 1)
            text += kTextLineEnd;
    }
    return text;
}

int readImageText(QByteArrayView text, ParameterSet &image)
{
    WordReader reader(text);
    int pos = 0;
    for (; pos < ParameterSet::kSize; ++pos) {
        const auto number = reader.nextNumber(WordReader::Sign::Unsigned);
        if (!number)
            break;
        image.set(pos, quint8(*number));
    }
    return pos;
}

bool save(const QString &path, const ParameterSet &image)
{
    return fileaccess::writeAtomically(path, imageText(image), fileaccess::Folder::Create);
}

bool load(const QString &path, ParameterSet &image)
{
    const auto text = fileaccess::readFile(path);
    if (!text)
        return false;
    readImageText(*text, image);
    return true;
}

} // namespace ImageFile
