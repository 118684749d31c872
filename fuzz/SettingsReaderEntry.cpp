// The settings reader on any bytes, and the rewrite that keeps what the
// program does not know.

#include "FuzzEntries.h"
#include "IniDocument.h"
#include "SettingsFile.h"

namespace {

bool sameSettings(const Settings &a, const Settings &b)
{
    return a.left == b.left && a.top == b.top && a.height == b.height && a.width == b.width &&
           a.comPort == b.comPort && a.language == b.language && a.file == b.file &&
           a.iniDir == b.iniDir && a.ignAll == b.ignAll && a.portDevices == b.portDevices;
}

} // namespace

void fuzz::settingsReader(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const Settings settings = SettingsFile::fromText(text);

    // Rewriting the file unchanged, with either line end, reads the same.
    const IniDocument ini(text);
    require(sameSettings(SettingsFile::fromText(ini.text(u"\n")), settings),
            "a rewritten settings file reads differently");
    require(sameSettings(SettingsFile::fromText(ini.text(u"\r\n")), settings),
            "a settings file rewritten with CR LF reads differently");

    // Entries written first are what the next start reads; the rest stays.
    IniDocument merged(text);
    merged.setEntriesFirst(QStringLiteral("FORM_HLAV"),
                           {{QStringLiteral("Left"), QStringLiteral("12")},
                            {QStringLiteral("ComPort"), QStringLiteral("3")},
                            {QStringLiteral("File"), QStringLiteral("a\nb.ign")}});
    const Settings after = SettingsFile::fromText(merged.text(u"\n"));
    require(after.left == 12 && after.comPort == quint8(3) &&
                after.file == QStringLiteral("a b.ign"),
            "written settings do not read back");
    require(after.top == settings.top && after.height == settings.height &&
                after.width == settings.width && after.language == settings.language &&
                after.iniDir == settings.iniDir && after.ignAll == settings.ignAll &&
                after.portDevices == settings.portDevices,
            "writing settings changed other keys");
}
