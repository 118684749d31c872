#include "FileAccess.h"
#include "PortDevice.h"
#include "SettingsFile.h"
#include "TestFiles.h"
#include "TextLineEnd.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray lines(const QList<QByteArray> &content)
{
    QByteArray text;
    for (const QByteArray &line : content)
        text += line + kTextLineEnd;
    return text;
}

Settings fullSettings(const QString &file, const QString &iniDir)
{
    Settings settings;
    settings.left = -20;
    settings.top = 15;
    settings.height = 758;
    settings.width = 834;
    settings.comPort = 3;
    settings.language = 2;
    settings.file = file;
    settings.iniDir = iniDir;
    settings.ignAll = true;
    return settings;
}

} // namespace

using testfiles::readFile;
using testfiles::writeFile;

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void freshFileHasKeysInOrder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/zevras.ini"));
        QVERIFY(SettingsFile::save(path, fullSettings(QStringLiteral("/a/b.ign"), QString())));
        QCOMPARE(readFile(path),
                 lines({"[FORM_HLAV]", "Left=-20", "Top=15", "Height=758", "Width=834", "ComPort=3",
                        "Language=2", "File=/a/b.ign", "IniDir=", "CheckBoxIgnAll->Checked=1"}));
    }

    void stringsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("windows path") << QStringLiteral("C:\\Program Files\\zevras\\KLR 600.ign");
        QTest::newRow("equals and semicolon") << QStringLiteral("/motos/a=b;c=d ; e.ign");
        QTest::newRow("non-ASCII letters")
            << QStringLiteral("/home/jiří/Žlutý kůň/moto č.1 – Größe.ign");
        QTest::newRow("outer spaces") << QStringLiteral("  spaced  ");
        QTest::newRow("quoted") << QStringLiteral("\"/quoted path\"");
        QTest::newRow("looks like a section") << QStringLiteral("[PORTS]");
        QTest::newRow("empty") << QString();
    }

    void stringsRoundTrip()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        const Settings saved = fullSettings(value, value + QStringLiteral("x"));
        QVERIFY(SettingsFile::save(path, saved));
        const Settings loaded = SettingsFile::load(path);
        QCOMPARE(loaded.file, saved.file);
        QCOMPARE(loaded.iniDir, saved.iniDir);
        QCOMPARE(loaded.left, saved.left);
        QCOMPARE(loaded.top, saved.top);
        QCOMPARE(loaded.height, saved.height);
        QCOMPARE(loaded.width, saved.width);
        QCOMPARE(loaded.comPort, saved.comPort);
        QCOMPARE(loaded.language, saved.language);
        QCOMPARE(loaded.ignAll, saved.ignAll);
    }

    void lineBreakInValueCannotAddKeys()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        QVERIFY(SettingsFile::save(path,
                                   fullSettings(QStringLiteral("a\nLeft=999\r\n[X]"), QString())));
        const Settings loaded = SettingsFile::load(path);
        QCOMPARE(loaded.left, -20);
        QCOMPARE(loaded.file, QStringLiteral("a Left=999  [X]"));
    }

    void otherContentIsKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        writeFile(path, "; written by hand\r\n"
                        "[OTHER]\r\n"
                        "Key = some value\r\n"
                        "\r\n"
                        "[form_hlav]\r\n"
                        "width=100\r\n"
                        "Remark=keep me\r\n"
                        "; a comment\r\n"
                        "Left=1\r\n"
                        "Left=2\r\n"
                        "\r\n"
                        "[PORTS]\r\n"
                        "COM3=/dev/ttyS0\r\n");
        Settings settings;
        settings.left = 5;
        settings.width = 834;
        settings.file = QStringLiteral("f");
        QVERIFY(SettingsFile::save(path, settings));
        QCOMPARE(readFile(path),
                 lines({"; written by hand", "[OTHER]", "Key = some value", "", "[form_hlav]",
                        "Left=5", "Width=834", "File=f", "Remark=keep me", "; a comment", "",
                        "[PORTS]", "COM3=/dev/ttyS0"}));
        QCOMPARE(SettingsFile::portDevice(SettingsFile::load(path), 3),
                 QStringLiteral("/dev/ttyS0"));
    }

    // The graph window's keys go to a section of their own, after the window's.
    void curveGraphHasItsOwnSection()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        Settings settings;
        settings.left = 5;
        QVERIFY(SettingsFile::save(path, settings));
        QCOMPARE(readFile(path), lines({"[FORM_HLAV]", "Left=5"}));

        settings.curveGraph.left = 900;
        settings.curveGraph.top = 20;
        settings.curveGraph.width = 500;
        settings.curveGraph.height = 320;
        settings.curveGraph.open = true;
        QVERIFY(SettingsFile::save(path, settings));
        QCOMPARE(readFile(path), lines({"[FORM_HLAV]", "Left=5", "", "[CURVE_GRAPH]", "Left=900",
                                        "Top=20", "Width=500", "Height=320", "Open=1"}));
    }

    void portDevicesWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        writeFile(path, "[PORTS]\r\nCOM3=/dev/ttyS0\r\n; mine\r\nCOM5=/dev/ttyS4\r\n");
        Settings settings = SettingsFile::load(path);
        settings.portDevices.insert(3, QStringLiteral("/dev/ttyACM0"));
        settings.portDevices.insert(1, QStringLiteral("/dev/pts/7"));
        QVERIFY(SettingsFile::save(path, settings));
        const Settings again = SettingsFile::load(path);
        QCOMPARE(SettingsFile::portDevice(again, 1), QStringLiteral("/dev/pts/7"));
        QCOMPARE(SettingsFile::portDevice(again, 3), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(SettingsFile::portDevice(again, 5), QStringLiteral("/dev/ttyS4"));
        QVERIFY(readFile(path).contains("; mine"));
    }

    void fileNotReadWholeIsKept_data()
    {
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("larger than any settings file") << true << false;
        QTest::newRow("not readable") << false << true;
    }

    void fileNotReadWholeIsKept()
    {
        QFETCH(bool, tooLarge);
        QFETCH(bool, unreadable);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zevras.ini"));
        QByteArray content = lines({"[FORM_HLAV]", "Left=1", "[OTHER]"});
        if (tooLarge)
            content += QByteArray(fileaccess::kMaxReadBytes, ';') + "\r\n[LAST]\r\nKey=1\r\n";
        writeFile(path, content);
        if (unreadable) {
            QFile::setPermissions(path, QFile::WriteOwner);
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("this user reads every file");
        }

        QVERIFY(!SettingsFile::save(path, fullSettings(QStringLiteral("f"), QString())));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readFile(path), content);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected"); // invalid: missing

        const QByteArray head = "[FORM_HLAV]\r\n";
        QTest::newRow("integer") << head + "Left=17"
                                 << "left" << QVariant(17);
        QTest::newRow("negative") << head + "Top=-5"
                                  << "top" << QVariant(-5);
        QTest::newRow("spaces around an integer") << head + "Height = 600 "
                                                  << "height" << QVariant(600);
        QTest::newRow("not a number") << head + "Left=abc"
                                      << "left" << QVariant();
        QTest::newRow("trailing letters") << head + "Width=12px"
                                          << "width" << QVariant();
        QTest::newRow("hexadecimal") << head + "Left=0x10"
                                     << "left" << QVariant();
        QTest::newRow("empty integer") << head + "Left="
                                       << "left" << QVariant();
        QTest::newRow("too large") << head + "Left=99999999999"
                                   << "left" << QVariant();
        QTest::newRow("port low 8 bits") << head + "ComPort=266"
                                         << "comPort" << QVariant(10);
        QTest::newRow("language low 8 bits") << head + "Language=259"
                                             << "language" << QVariant(3);
        QTest::newRow("language not a number") << head + "Language=CZ"
                                               << "language" << QVariant();
        QTest::newRow("check box any non-zero") << head + "CheckBoxIgnAll->Checked=7"
                                                << "ignAll" << QVariant(true);
        QTest::newRow("check box zero") << head + "CheckBoxIgnAll->Checked=0"
                                        << "ignAll" << QVariant(false);
        QTest::newRow("check box not a number") << head + "CheckBoxIgnAll->Checked=yes"
                                                << "ignAll" << QVariant();
        QTest::newRow("empty string present") << head + "File="
                                              << "file" << QVariant("");
        QTest::newRow("string raw after first equals") << head + "IniDir= /x=y.ign "
                                                       << "iniDir" << QVariant(" /x=y.ign ");
        QTest::newRow("string missing") << head + "Left=1"
                                        << "file" << QVariant();
        QTest::newRow("key case ignored") << head + "LEFT=3"
                                          << "left" << QVariant(3);
        QTest::newRow("first of repeated keys") << head + "Left=3\r\nLeft=4"
                                                << "left" << QVariant(3);
        QTest::newRow("LF line ends")
            << QByteArray("[FORM_HLAV]\nTop=8\nLeft=9\n") << "left" << QVariant(9);
        QTest::newRow("CR doubled before LF") << head + "IniDir=/m/a.ign\r\r\nLeft=1"
                                              << "iniDir" << QVariant("/m/a.ign");
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + head + "Left=4"
                                         << "left" << QVariant(4);
        QTest::newRow("byte order mark repeated")
            << "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF" + head + "Left=4"
            << "left" << QVariant(4);
        QTest::newRow("key in another section")
            << QByteArray("[OTHER]\r\nLeft=4") << "left" << QVariant();
        QTest::newRow("no section") << QByteArray("Left=4") << "left" << QVariant();
        QTest::newRow("binary") << QByteArray("\x00\xFF[\x01=\n=\r\r", 9) << "left" << QVariant();
        const QByteArray graph = "[CURVE_GRAPH]\r\n";
        QTest::newRow("graph left") << graph + "Left=40"
                                    << "graphLeft" << QVariant(40);
        QTest::newRow("graph height") << graph + "Height=300"
                                      << "graphHeight" << QVariant(300);
        QTest::newRow("graph open") << graph + "Open=1"
                                    << "graphOpen" << QVariant(true);
        QTest::newRow("graph closed") << graph + "Open=0"
                                      << "graphOpen" << QVariant(false);
        QTest::newRow("graph open not a number") << graph + "Open=yes"
                                                 << "graphOpen" << QVariant();
        QTest::newRow("window keys are not the graph's") << head + "Left=4"
                                                         << "graphLeft" << QVariant();
        QTest::newRow("graph keys are not the window's") << graph + "Left=4"
                                                         << "left" << QVariant();
    }

    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        const Settings s = SettingsFile::fromText(QString::fromUtf8(text));
        const QMap<QString, QVariant> got{
            {"left", s.left ? QVariant(*s.left) : QVariant()},
            {"top", s.top ? QVariant(*s.top) : QVariant()},
            {"height", s.height ? QVariant(*s.height) : QVariant()},
            {"width", s.width ? QVariant(*s.width) : QVariant()},
            {"comPort", s.comPort ? QVariant(int(*s.comPort)) : QVariant()},
            {"language", s.language ? QVariant(int(*s.language)) : QVariant()},
            {"file", s.file ? QVariant(*s.file) : QVariant()},
            {"iniDir", s.iniDir ? QVariant(*s.iniDir) : QVariant()},
            {"ignAll", s.ignAll ? QVariant(*s.ignAll) : QVariant()},
            {"graphLeft", s.curveGraph.left ? QVariant(*s.curveGraph.left) : QVariant()},
            {"graphHeight", s.curveGraph.height ? QVariant(*s.curveGraph.height) : QVariant()},
            {"graphOpen", s.curveGraph.open ? QVariant(*s.curveGraph.open) : QVariant()},
        };
        QVERIFY(got.contains(key));
        QCOMPARE(got[key], expected);
    }

    void missingFileGivesNothing()
    {
        QTemporaryDir dir;
        const Settings s = SettingsFile::load(dir.filePath(QStringLiteral("none.ini")));
        QVERIFY(!s.left && !s.top && !s.height && !s.width && !s.comPort && !s.language &&
                !s.file && !s.iniDir && !s.ignAll && s.portDevices.isEmpty());
    }

    void portDevices_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
        const QByteArray ports = "[PORTS]\r\nCOM3=/dev/ttyS0\r\ncom10 = /dev/ttyACM0 \r\nCOM4=\r\n";
        QTest::newRow("mapped") << ports << 3 << "/dev/ttyS0";
        QTest::newRow("mapped with spaces and case") << ports << 10 << "/dev/ttyACM0";
        QTest::newRow("empty entry uses default") << ports << 4 << defaultPortDevice(4);
        QTest::newRow("unmapped uses default") << ports << 1 << defaultPortDevice(1);
    }

    void portDevices()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, port);
        QFETCH(QString, device);
        QCOMPARE(SettingsFile::portDevice(SettingsFile::fromText(QString::fromUtf8(text)), port),
                 device);
    }

    void defaultDeviceNames()
    {
#if defined(Q_OS_WIN)
        QCOMPARE(defaultPortDevice(1), QStringLiteral("COM1"));
        QCOMPARE(defaultPortDevice(10), QStringLiteral("COM10"));
#else
        QCOMPARE(defaultPortDevice(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(defaultPortDevice(10), QStringLiteral("/dev/ttyUSB9"));
#endif
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
