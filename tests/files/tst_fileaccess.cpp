#include "FileAccess.h"

#include <QBuffer>
#include <QtTest>

using fileaccess::kMaxReadBytes;

namespace {

// Words of "x" separated by single spaces, the last word ending at size.
QByteArray words(qint64 size, int wordLength)
{
    QByteArray text(size, 'x');
    for (qint64 i = wordLength; i < size; i += wordLength + 1)
        text[i] = ' ';
    return text;
}

} // namespace

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void readCapped_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<qint64>("expectedSize");

        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("small file") << QByteArray("KORVALEN_KEY 46") << qint64(15);
        QTest::newRow("several read pieces") << words(100'000, 9) << qint64(100'000);
        QTest::newRow("exactly the limit") << words(kMaxReadBytes, 7) << kMaxReadBytes;

        // Spaces stand at 10k + 9; the limit 1 048 576 falls inside a word
        // whose space before it is at 1 048 569.
        QTest::newRow("cut inside a word") << words(kMaxReadBytes + 100, 9) << kMaxReadBytes - 6;
        QByteArray spaceAtLimit = words(kMaxReadBytes + 100, 7);
        spaceAtLimit[kMaxReadBytes - 1] = 'x';
        spaceAtLimit[kMaxReadBytes] = ' ';
        QTest::newRow("cut at a space") << spaceAtLimit << kMaxReadBytes;
        QTest::newRow("one endless word") << QByteArray(kMaxReadBytes * 2, 'x') << qint64(0);
    }

    void readCapped()
    {
        QFETCH(QByteArray, input);
        QFETCH(qint64, expectedSize);
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const QByteArray read = fileaccess::readCapped(buffer);
        QCOMPARE(read.size(), expectedSize);
        QVERIFY(input.startsWith(read));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
