#pragma once

#include "IgnFile.h"

#include <QString>
#include <QStringList>

class ParameterSet;

// A parameter of the .ign file as the window and its comparison show it: the
// name and the value with its unit, in one of the four languages. Shared by
// the compare window and zevras-cli, so both say the same.
namespace lang {

// The window's name for the number-th parameter of the key (counted from 1);
// the key itself where the window has no name for it.
QString shownName(quint8 language, const IgnFile::Key &key, int number);

// The value as the window shows it: a coded value as the entry of its list,
// any other with its unit ("3000 rpm", "12 °"). bikeNames are the window's
// motorcycle list, the same in every language; without them the motorcycle
// shows its code.
QString shownValue(const ParameterSet &set, const IgnFile::Key &key, int number, quint8 language,
                   const QStringList &bikeNames = {});

} // namespace lang
