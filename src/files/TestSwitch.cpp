#include "TestSwitch.h"

#include "FileAccess.h"
#include "WordReader.h"

namespace TestSwitch {

bool containsEnableWord(QByteArrayView text)
{
    WordReader reader(text);
    for (QByteArrayView word = reader.nextWord(); !word.isEmpty(); word = reader.nextWord()) {
        if (word == QByteArrayView("TEST_ENABLE"))
            return true;
    }
    return false;
}

bool isEnabled(const QString &path)
{
    const auto text = fileaccess::readFile(path);
    return text && containsEnableWord(*text);
}

} // namespace TestSwitch
