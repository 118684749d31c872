#include "ConfigPaths.h"
#include "TestSwitch.h"

#include <QTemporaryDir>
#include <QtTest>

class TestTestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void words_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("after another word") << QByteArray("foo TEST_ENABLE") << true;
        QTest::newRow("alone with line end") << QByteArray("TEST_ENABLE\r\n") << true;
        QTest::newRow("among lines and tabs") << QByteArray("a\nb\tTEST_ENABLE\tc\n") << true;
        QTest::newRow("letter added") << QByteArray("TEST_ENABLEx") << false;
        QTest::newRow("letter before") << QByteArray("xTEST_ENABLE") << false;
        QTest::newRow("lower case") << QByteArray("test_enable") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("long word ending in the switch")
            << QByteArray(245, 'A') + "TEST_ENABLE" << false;
        QTest::newRow("binary around") << QByteArray("\x00\x01 TEST_ENABLE \xFF", 16) << true;
    }

    void words()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, enabled);
        QCOMPARE(TestSwitch::containsEnableWord(text), enabled);
    }

    void file()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("test_pelmar.txt"));
        QVERIFY(!TestSwitch::isEnabled(path));
        QVERIFY(!TestSwitch::isEnabled(dir.path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("foo TEST_ENABLE\r\n");
        file.close();
        QVERIFY(TestSwitch::isEnabled(path));
    }

    void hugeFileEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("test_pelmar.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < 8; ++i)
            file.write(block);
        file.write(" TEST_ENABLE");
        file.close();
        QVERIFY(!TestSwitch::isEnabled(path));
    }

    void configFilesLiveTogether()
    {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        const QString folder = dir.path() + QStringLiteral("/zevras");
        QCOMPARE(ConfigPaths::configFolder(), folder);
        QCOMPARE(ConfigPaths::settingsFile(), folder + QStringLiteral("/zevras.ini"));
        QCOMPARE(ConfigPaths::imageFile(), folder + QStringLiteral("/_zevras.ini"));
        QCOMPARE(ConfigPaths::testSwitchFile(), folder + QStringLiteral("/test_pelmar.txt"));
        QVERIFY(!TestSwitch::isEnabled(ConfigPaths::testSwitchFile()));
        QVERIFY(!QFileInfo::exists(folder));
        qunsetenv("XDG_CONFIG_HOME");
#else
        QSKIP("the configuration folder is checked on Linux");
#endif
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestTestSwitch)
#include "tst_testswitch.moc"
