#pragma once

#include <QByteArrayView>
#include <QString>

// The service switch: the word "TEST_ENABLE" anywhere in the switch file
// shows the unit's test values.
namespace TestSwitch {

// Whether any whitespace-separated word is exactly "TEST_ENABLE".
bool containsEnableWord(QByteArrayView text);

// False when the file is missing or unreadable.
bool isEnabled(const QString &path);

} // namespace TestSwitch
