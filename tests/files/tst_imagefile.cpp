#include "ImageFile.h"
#include "TextLineEnd.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Start-up values that a partial file must leave where it stops.
ParameterSet startImage()
{
    ParameterSet image;
    image.SetDefaults();
    return image;
}

} // namespace

class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        ParameterSet image;
        image.set(0, 0);
        image.set(1, 7);
        image.set(2, 255);
        image.set(99, 123);
        const QByteArray text = ImageFile::imageText(image);
        QVERIFY(text.startsWith("    0     7   255 "));
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(lines[i].size(), qsizetype(60 + qstrlen(kTextLineEnd) - 1));
        QVERIFY(text.endsWith(QByteArray("  123 ") + kTextLineEnd));
    }

    void roundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new folder/_zevras.ini"));
        ParameterSet saved;
        for (int pos = 0; pos < ParameterSet::kSize; ++pos)
            saved.set(pos, quint8(pos * 37 + 11));
        QVERIFY(ImageFile::save(path, saved));
        ParameterSet loaded = startImage();
        QVERIFY(ImageFile::load(path, loaded));
        QCOMPARE(loaded, saved);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("front"); // values expected at positions 0..n-1

        QByteArray thirty;
        QList<int> thirtyValues;
        for (int i = 0; i < 30; ++i) {
            thirty += QByteArray::number(i + 1) + (i % 10 == 9 ? "\r\n" : " ");
            thirtyValues << i + 1;
        }
        QTest::newRow("thirty numbers") << thirty << thirtyValues;
        QTest::newRow("low 8 bits") << QByteArray("300 256 65791") << QList<int>{44, 0, 255};
        QTest::newRow("word stops reading") << QByteArray("1 2 x 4 5") << QList<int>{1, 2};
        QTest::newRow("sign stops reading") << QByteArray("1 -2 3") << QList<int>{1};
        QTest::newRow("letters after digits stop reading")
            << QByteArray("1 12ab 3") << QList<int>{1, 12};
        QTest::newRow("any line ends and tabs")
            << QByteArray("\t1\r\n2\n\r3\r4 ") << QList<int>{1, 2, 3, 4};
        QTest::newRow("byte order mark skipped") << QByteArray("\xEF\xBB\xBF"
                                                               "5 6")
                                                 << QList<int>{5, 6};
        QTest::newRow("empty") << QByteArray() << QList<int>{};
        QTest::newRow("binary") << QByteArray("\x00\x01\xFF 7", 6) << QList<int>{};
    }

    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, front);
        ParameterSet image = startImage();
        const ParameterSet before = image;
        QCOMPARE(ImageFile::readImageText(text, image), front.size());
        for (int pos = 0; pos < ParameterSet::kSize; ++pos)
            QCOMPARE(int(image.at(pos)), pos < front.size() ? front[pos] : before.at(pos));
    }

    void moreThanHundredNumbersFillTheImageOnly()
    {
        ParameterSet image;
        QCOMPARE(ImageFile::readImageText(QByteArray("9 ").repeated(150), image), 100);
        QCOMPARE(image.at(99), 9);
    }

    void missingFileLeavesImage()
    {
        QTemporaryDir dir;
        ParameterSet image = startImage();
        QVERIFY(!ImageFile::load(dir.filePath(QStringLiteral("_zevras.ini")), image));
        QVERIFY(!ImageFile::load(dir.path(), image));
        QCOMPARE(image, startImage());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
