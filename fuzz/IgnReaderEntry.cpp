// The .ign reader on any bytes, through a device as the Open command reads it.

#include "FuzzEntries.h"
#include "IgnFile.h"

#include <QBuffer>

namespace {

// An image whose every byte differs from its neighbours, so that a stray
// write shows.
ParameterSet patternImage()
{
    ParameterSet image;
    for (int pos = 0; pos < ParameterSet::kSize; ++pos)
        image.set(pos, quint8(pos * 7 + 3));
    return image;
}

bool load(const QByteArray &text, ParameterSet &image)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return IgnFile::LoadParameterFile(buffer, image);
}

// Positions the file never holds: page 0 and the spare bytes of page 1.
bool outsideFile(int pos)
{
    return pos < ParameterSet::kPageSize || pos == ParameterSet::RESERVED_57 ||
           pos == ParameterSet::RESERVED_58 || pos == ParameterSet::RESERVED_69;
}

} // namespace

void fuzz::ignReader(QByteArrayView input)
{
    const ParameterSet before = patternImage();
    ParameterSet image = before;
    const bool loaded = load(input.toByteArray(), image);
    if (!loaded)
        require(image == before, "a refused .ign file changed the image");
    for (int pos = 0; pos < ParameterSet::kSize; ++pos) {
        if (outsideFile(pos))
            require(image.at(pos) == before.at(pos),
                    "an .ign file changed a byte it does not hold");
    }

    // What the program writes reads back as the same file.
    const QByteArray text = IgnFile::parameterFileText(image);
    ParameterSet reread = before;
    require(load(text, reread), "a written .ign file is refused");
    require(IgnFile::parameterFileText(reread) == text, "a written .ign file reads back changed");
}
