#include "IgnFile.h"
#include "ParameterComparison.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Expected = QMap<int, int>;

Q_DECLARE_METATYPE(ParameterSet)
Q_DECLARE_METATYPE(IgnFile::LoadResult)

namespace {

// The New defaults with BIKE and both inputs 0.
ParameterSet newDefaults()
{
    ParameterSet image;
    image.SetDefaults();
    return image;
}

// Defaults plus a recognisable identification page and spare bytes, which a
// file must never touch.
ParameterSet startImage()
{
    ParameterSet image = newDefaults();
    for (int pos = 0; pos < ParameterSet::kPageSize; ++pos)
        image.set(pos, quint8(200 + pos));
    image.set(ParameterSet::RESERVED_57, 57);
    image.set(ParameterSet::RESERVED_58, 58);
    image.set(ParameterSet::RESERVED_69, 69);
    return image;
}

const QByteArray kDefaultsFile =
    "KORVALEN_KEY   46 \r\n"
    "\r\n"
    "BIKE            0 \r\n"
    "RPM_ADV      1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 11000 12000 13000 "
    "14000 15000 \r\n"
    "ADVANCE        10    10    10    10    10    10    10    10    10    10    10    10    10 "
    "   10    10 \r\n"
    "POCET_BODU      2 \r\n"
    "BASE_ADV       10 \r\n"
    "LIMITER       100   150     6 \r\n"
    "POLARITA        2 \r\n"
    "GEBER_NR        1 \r\n"
    "PILOT_LIGHT       12000 \r\n"
    "REV_OUT_PILOT_LIGHT   0\r\n"
    "CLUTCH        200  1000 \r\n"
    "NO_READING      0\r\n"
    "RPM             1     0 \r\n"
    "INPUT           0     0 ";

// Consecutive image positions from position on.
Expected series(int position, const QList<int> &values)
{
    Expected expected;
    for (int i = 0; i < values.size(); ++i)
        expected.insert(position + i, values[i]);
    return expected;
}

bool loadText(const QByteArray &text, ParameterSet &image)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return IgnFile::LoadParameterFile(buffer, image);
}

} // namespace

class TestIgnFile : public QObject
{
    Q_OBJECT

private slots:
    void defaultsGiveTheExactFile()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(IgnFile::SaveParameterFile(buffer, newDefaults()));
        QCOMPARE(buffer.data(), kDefaultsFile);
    }

    void spareBytesAndFlagsAreWrittenAsSpecified()
    {
        ParameterSet image = newDefaults();
        image.setNoReading(7);
        image.setRevOutPilotLight(255);
        image.setRpm(1, 0);
        image.setInput(1, 200);
        image.set(ParameterSet::RESERVED_57, 99);
        const QByteArray text = IgnFile::parameterFileText(image);
        QVERIFY(text.contains("\r\nREV_OUT_PILOT_LIGHT   1\r\n"));
        QVERIFY(text.contains("\r\nNO_READING      1\r\n"));
        QVERIFY(text.contains("\r\nRPM             1  -100 \r\n"));
        QVERIFY(text.endsWith("\r\nINPUT           0   200 "));
        QVERIFY(!text.contains("99"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<ParameterSet>("saved");
        QTest::newRow("defaults") << newDefaults();
        QRandomGenerator random(4711);
        for (int n = 0; n < 3; ++n) {
            ParameterSet image;
            for (int pos = ParameterSet::kPageSize; pos < ParameterSet::kSize; ++pos)
                image.set(pos, quint8(random.bounded(256)));
            image.setNoReading(quint8(n % 2));
            image.setRevOutPilotLight(quint8((n + 1) % 2));
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(n))) << image;
        }
        ParameterSet extremes;
        for (int pos = ParameterSet::kPageSize; pos < ParameterSet::kSize; ++pos)
            extremes.set(pos, 255);
        extremes.setNoReading(1);
        extremes.setRevOutPilotLight(1);
        QTest::newRow("all 255") << extremes;
    }

    void roundTrip()
    {
        QFETCH(ParameterSet, saved);
        ParameterSet loaded = startImage();
        const ParameterSet before = loaded;
        QVERIFY(loadText(IgnFile::parameterFileText(saved), loaded));
        for (int pos = 0; pos < ParameterSet::kSize; ++pos) {
            const bool held = pos >= ParameterSet::kPageSize && pos != ParameterSet::RESERVED_57 &&
                              pos != ParameterSet::RESERVED_58 && pos != ParameterSet::RESERVED_69;
            QCOMPARE(loaded.at(pos), held ? saved.at(pos) : before.at(pos));
        }
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Expected>("changed"); // position -> value; all else unchanged

        QByteArray lfOnly = kDefaultsFile;
        lfOnly.replace("\r\n", "\n");
        QTest::newRow("own file changes nothing") << kDefaultsFile << true << Expected{};
        QTest::newRow("LF line ends")
            << lfOnly + "\nBIKE 4" << true << Expected{{ParameterSet::BIKE, 4}};
        QTest::newRow("tabs and CR only")
            << QByteArray("KORVALEN_KEY\t46\rBIKE\t2\rPOLARITA 1") << true
            << Expected{{ParameterSet::BIKE, 2}, {ParameterSet::POLARITA, 1}};
        Expected reordered =
            series(ParameterSet::ADVANCE, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        reordered.insert(series(ParameterSet::INPUT, {1, 2}));
        reordered.insert(ParameterSet::BIKE, 5);
        QTest::newRow("keys in other order")
            << QByteArray("KORVALEN_KEY 46 INPUT 1 2 BIKE 5 ADVANCE 1 2 3 4 5 6 7 8 9 10 11 12 "
                          "13 14 15")
            << true << reordered;
        QTest::newRow("version 45 refused")
            << QByteArray("KORVALEN_KEY 45\r\n\r\nBIKE 3\r\nPOCET_BODU 7") << false << Expected{};
        QTest::newRow("no version key refused")
            << QByteArray("BIKE 3\r\nPOCET_BODU 7") << false << Expected{};
        QTest::newRow("version key without number refused")
            << QByteArray("KORVALEN_KEY BIKE 3") << false << Expected{};
        QTest::newRow("lower case version key refused")
            << QByteArray("korvalen_key 46 BIKE 3") << false << Expected{};
        QTest::newRow("second version key 46 further down")
            << QByteArray("KORVALEN_KEY 45\r\nBIKE 3\r\nKORVALEN_KEY 46\r\nPOCET_BODU 7") << true
            << Expected{{ParameterSet::POCET_BODU, 7}};
        QTest::newRow("words before the version key are skipped")
            << QByteArray("BIKE 3 46 KORVALEN_KEY 46 BASE_ADV 20") << true
            << Expected{{ParameterSet::BASE_ADV, 20}};
        QTest::newRow("version compared in its low 16 bits")
            << QByteArray("KORVALEN_KEY 65582 BIKE 1") << true << Expected{{ParameterSet::BIKE, 1}};
        QTest::newRow("curve speed truncated to 100 rpm")
            << QByteArray("KORVALEN_KEY 46 RPM_ADV 1550 65536 67086 25600") << true
            << series(ParameterSet::RPM_ADV, {15, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QTest::newRow("shift light and clutch scaled")
            << QByteArray("KORVALEN_KEY 46 PILOT_LIGHT 9999 CLUTCH 205 2559") << true
            << Expected{{ParameterSet::PILOT_LIGHT, 99},
                        {ParameterSet::CLUTCH, 20},
                        {ParameterSet::CLUTCH + 1, 255}};
        QTest::newRow("negative tachometer correction")
            << QByteArray("KORVALEN_KEY 46 RPM 3 -40") << true
            << Expected{{ParameterSet::RPM, 3}, {ParameterSet::RPM + 1, 60}};
        QTest::newRow("positive tachometer correction")
            << QByteArray("KORVALEN_KEY 46 RPM 3 40") << true
            << Expected{{ParameterSet::RPM, 3}, {ParameterSet::RPM + 1, 140}};
        QTest::newRow("low 8 bits stored")
            << QByteArray("KORVALEN_KEY 46 BIKE 300 NO_READING 5") << true
            << Expected{{ParameterSet::BIKE, 44}, {ParameterSet::NO_READING, 5}};
        QTest::newRow("repeated key overwrites")
            << QByteArray("KORVALEN_KEY 46 BIKE 1 POLARITA 0 BIKE 2") << true
            << Expected{{ParameterSet::BIKE, 2}, {ParameterSet::POLARITA, 0}};
        QTest::newRow("one input number at the end sets both")
            << QByteArray("KORVALEN_KEY 46\r\nINPUT 3") << true
            << Expected{{ParameterSet::INPUT, 3}, {ParameterSet::INPUT + 1, 3}};
        QTest::newRow("key at the end takes the version number")
            << QByteArray("KORVALEN_KEY 46 INPUT") << true
            << Expected{{ParameterSet::INPUT, 46}, {ParameterSet::INPUT + 1, 46}};
        QTest::newRow("word in place of a number is the next key")
            << QByteArray("KORVALEN_KEY 46 LIMITER 90 120 BASE_ADV 7") << true
            << Expected{{ParameterSet::LIMITER, 90},
                        {ParameterSet::LIMITER + 1, 120},
                        {ParameterSet::LIMITER + 2, 120},
                        {ParameterSet::BASE_ADV, 7}};
        QTest::newRow("byte order mark of a Windows editor")
            << QByteArray("\xEF\xBB\xBFKORVALEN_KEY 46\r\nBIKE 4") << true
            << Expected{{ParameterSet::BIKE, 4}};
        QTest::newRow("byte order mark in the middle refused")
            << QByteArray("BIKE 3 \xEF\xBB\xBFKORVALEN_KEY 46") << false << Expected{};
        QTest::newRow("unknown words and lower case keys are skipped")
            << QByteArray("KORVALEN_KEY 46 COMMENT 12 bike 5 RESERVED_57 9 GEBER_NR 3") << true
            << Expected{{ParameterSet::GEBER_NR, 3}};
    }

    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, accepted);
        QFETCH(Expected, changed);
        ParameterSet image = startImage();
        ParameterSet expected = image;
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            expected.set(it.key(), quint8(it.value()));
        QCOMPARE(loadText(text, image), accepted);
        for (int pos = 0; pos < ParameterSet::kSize; ++pos)
            QCOMPARE(image.at(pos), expected.at(pos));
    }

    void hostileInputEnds_data()
    {
        QTest::addColumn<QByteArray>("text");
        QRandomGenerator random(99);
        QByteArray binary(64 * 1024, Qt::Uninitialized);
        for (char &c : binary)
            c = char(random.bounded(256));
        QTest::newRow("binary") << binary;
        QTest::newRow("binary after the version") << "KORVALEN_KEY 46 " + binary;
        QTest::newRow("keys without numbers")
            << "KORVALEN_KEY 46 " + QByteArray("RPM_ADV ").repeated(20000);
        QTest::newRow("one endless word") << QByteArray(3 * 1024 * 1024, 'A');
        QTest::newRow("endless number")
            << "KORVALEN_KEY 46 BIKE " + QByteArray(3 * 1024 * 1024, '9');
        QTest::newRow("many keys") << "KORVALEN_KEY 46 " + QByteArray("BIKE 1 ").repeated(500000);
    }

    void hostileInputEnds()
    {
        QFETCH(QByteArray, text);
        ParameterSet image = startImage();
        loadText(text, image);
        for (int pos = 0; pos < ParameterSet::kPageSize; ++pos)
            QCOMPARE(image.at(pos), startImage().at(pos));
    }

    // Differences as the command line lists them: the file's key, the number's
    // place on its line, display values, the unit.
    void differences_data()
    {
        QTest::addColumn<Expected>("changesA");
        QTest::addColumn<Expected>("changesB");
        QTest::addColumn<QStringList>("lines");
        using P = ParameterSet;
        QTest::newRow("start limiter in rpm")
            << Expected{} << Expected{{P::LIMITER, 90}} << QStringList{"LIMITER[1] 10000 9000 rpm"};
        QTest::newRow("retard in degrees")
            << Expected{} << Expected{{P::LIMITER + 2, 8}} << QStringList{"LIMITER[3] 6 8 deg"};
        QTest::newRow("last curve point") << Expected{} << Expected{{P::RPM_ADV + 14, 160}}
                                          << QStringList{"RPM_ADV[15] 15000 16000 rpm"};
        QTest::newRow("negative correction")
            << Expected{} << Expected{{P::RPM + 1, 40}} << QStringList{"RPM[2] 0 -60 %"};
        QTest::newRow("clutch pause in ms")
            << Expected{} << Expected{{P::CLUTCH + 1, 50}} << QStringList{"CLUTCH[2] 1000 500 ms"};
        QTest::newRow("read protection differs")
            << Expected{} << Expected{{P::NO_READING, 1}} << QStringList{"NO_READING 0 1"};
        QTest::newRow("a flag set alike") << Expected{{P::REV_OUT_PILOT_LIGHT, 1}}
                                          << Expected{{P::REV_OUT_PILOT_LIGHT, 2}} << QStringList{};
        QTest::newRow("spare bytes and page 0")
            << Expected{} << Expected{{P::RESERVED_57, 9}, {P::RESERVED_69, 9}, {3, 7}}
            << QStringList{};
        QTest::newRow("in file order")
            << Expected{} << Expected{{P::ADVANCE, 20}, {P::INPUT + 1, 3}, {P::BIKE, 4}}
            << QStringList{"BIKE 0 4", "ADVANCE[1] 10 20 deg", "INPUT[2] 0 3"};
    }

    void differences()
    {
        QFETCH(Expected, changesA);
        QFETCH(Expected, changesB);
        QFETCH(QStringList, lines);
        ParameterSet a = newDefaults();
        ParameterSet b = newDefaults();
        for (auto it = changesA.cbegin(); it != changesA.cend(); ++it)
            a.set(it.key(), quint8(it.value()));
        for (auto it = changesB.cbegin(); it != changesB.cend(); ++it)
            b.set(it.key(), quint8(it.value()));
        QStringList listed;
        for (const auto &difference : ParameterComparison::compare(a, b))
            listed << ParameterComparison::differenceLine(difference).simplified();
        QCOMPARE(listed, lines);
    }

    // Every byte the file holds is named once, and the columns line up
    // whatever the key's length.
    void everyFileByteIsNamedOnceInColumns()
    {
        const ParameterSet a = newDefaults();
        ParameterSet b;
        for (int pos = ParameterSet::kPageSize; pos < ParameterSet::kSize; ++pos)
            b.set(pos, quint8(a.at(pos) + 1));
        const auto differences = ParameterComparison::compare(a, b);
        QSet<int> positions;
        QSet<QString> names;
        qsizetype valuesEnd = -1;
        for (const auto &difference : differences) {
            positions.insert(difference.position);
            names.insert(difference.name);
            const QString line = ParameterComparison::differenceLine(difference);
            // Units hold no digits: the last digit ends the second value.
            qsizetype end = line.size();
            while (end > 0 && !line[end - 1].isDigit())
                --end;
            if (valuesEnd < 0)
                valuesEnd = end;
            QVERIFY2(end == valuesEnd, qPrintable(line));
            QVERIFY2(line.indexOf(QLatin1String("  ")) > 0, qPrintable(line));
        }
        QCOMPARE(differences.size(), ParameterSet::kPageSize - 3);
        QCOMPARE(positions.size(), differences.size());
        QCOMPARE(names.size(), differences.size());
        QVERIFY(!positions.contains(ParameterSet::RESERVED_57));
    }

    void pathSaveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mein Motorrad ž.ign"));
        QVERIFY(IgnFile::save(path, newDefaults()));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), kDefaultsFile);

        ParameterSet image = startImage();
        const ParameterSet before = image;
        QCOMPARE(IgnFile::load(path, image), IgnFile::LoadResult::Loaded);
        QCOMPARE(image, before);
    }

    void pathLoadFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<IgnFile::LoadResult>("result");
        QTest::newRow("missing") << QStringLiteral("none.ign") << QByteArray()
                                 << IgnFile::LoadResult::CannotOpen;
        QTest::newRow("folder") << QStringLiteral(".") << QByteArray()
                                << IgnFile::LoadResult::CannotOpen;
        QTest::newRow("other version")
            << QStringLiteral("old.ign") << QByteArray("KORVALEN_KEY 45\r\n\r\nBIKE 1")
            << IgnFile::LoadResult::VersionRefused;
        QTest::newRow("empty") << QStringLiteral("empty.ign") << QByteArray("")
                               << IgnFile::LoadResult::VersionRefused;
    }

    void pathLoadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(IgnFile::LoadResult, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (result != IgnFile::LoadResult::CannotOpen) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        ParameterSet image = startImage();
        QCOMPARE(IgnFile::load(path, image), result);
        QCOMPARE(image, startImage());
    }

    void pipeIsRefusedWithoutBlocking()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pipe.ign"));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        ParameterSet image;
        QCOMPARE(IgnFile::load(path, image), IgnFile::LoadResult::CannotOpen);
#else
        QSKIP("named pipes are a Unix matter");
#endif
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestIgnFile)
#include "tst_ignfile.moc"
