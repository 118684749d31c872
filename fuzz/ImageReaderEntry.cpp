// The image file reader on any bytes.

#include "FuzzEntries.h"
#include "ImageFile.h"

void fuzz::imageReader(QByteArrayView input)
{
    ParameterSet before;
    before.SetDefaults();
    ParameterSet image = before;
    const int filled = ImageFile::readImageText(input, image);
    require(filled >= 0 && filled <= ParameterSet::kSize, "filled count out of range");
    for (int pos = filled; pos < ParameterSet::kSize; ++pos)
        require(image.at(pos) == before.at(pos), "a position past the numbers changed");

    // What the program writes reads back whole.
    ParameterSet reread;
    require(ImageFile::readImageText(ImageFile::imageText(image), reread) == ParameterSet::kSize,
            "a written image file is short");
    require(reread == image, "a written image file reads back changed");
}
