#pragma once

#include "ParameterSet.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The image file: all 100 bytes of the parameter image as decimal numbers,
// ten to a line, so the next run starts with the image of the last one.
namespace ImageFile {

// Every byte as "%5u ", a line end after every tenth, the last line included.
QByteArray imageText(const ParameterSet &image);

// Fills the image from the front with the numbers of the text (low 8 bits
// each) until the text ends or a word is not an unsigned number; later
// positions keep their values. Returns how many positions were filled.
int readImageText(QByteArrayView text, ParameterSet &image);

// Saves atomically, creating the folder if needed; false keeps any earlier
// file whole.
bool save(const QString &path, const ParameterSet &image);

// False, with the image untouched, when the file cannot be read.
bool load(const QString &path, ParameterSet &image);

} // namespace ImageFile
