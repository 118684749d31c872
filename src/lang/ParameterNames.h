#pragma once

#include <QString>

// The names the comparison of two sets gives the parameters, in the four
// languages: the window's own captions where it has them.
namespace lang {

// The parameter of the .ign file key (number counted from 1 within the key)
// as the window names it: the caption of its control where there is one,
// without access key, trailing colon or unit; otherwise a name of its own.
// Null for a key this table does not know.
QString parameterName(quint8 language, const QString &key, int number);

// The entry the window's list or radio group shows for a coded parameter at
// that list index; null for a parameter without a list or an index beyond it.
QString parameterItem(quint8 language, const QString &key, int number, int index);

} // namespace lang
