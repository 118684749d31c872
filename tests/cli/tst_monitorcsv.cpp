#include "MonitorCsv.h"
#include "TestFiles.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

// The live-value CSV: fields a spreadsheet reads the same anywhere, and a
// file that only ever holds complete lines.

Q_DECLARE_METATYPE(MonitorValues)

namespace {

// The field of the named column in a CSV row.
QByteArray field(const QByteArray &row, const QByteArray &column)
{
    const QList<QByteArray> names = MonitorCsv::headerLine().trimmed().split(',');
    const QList<QByteArray> fields = row.trimmed().split(',');
    const qsizetype index = names.indexOf(column);
    return index >= 0 && index < fields.size() ? fields[index] : QByteArray("(missing)");
}

const QDateTime kTime(QDate(2026, 5, 1), QTime(12, 0, 0, 250), Qt::OffsetFromUTC, 7200);

} // namespace

class TestMonitorCsv : public QObject
{
    Q_OBJECT

private slots:
    // Decimals with a point even where the locale writes a comma.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void fields_data()
    {
        QTest::addColumn<MonitorValues>("values");
        QTest::addColumn<QByteArray>("column");
        QTest::addColumn<QByteArray>("expected");
        MonitorValues v;
        v.supplyMv = 13805;
        QTest::newRow("supply in volts with a point")
            << v << QByteArray("supply_v") << QByteArray("13.805");
        v.supplyMv = 7;
        QTest::newRow("a few millivolts") << v << QByteArray("supply_v") << QByteArray("0.007");
        v.advanceNow = -10;
        QTest::newRow("retarded advance is negative")
            << v << QByteArray("advance_deg") << QByteArray("-10");
        v.engineSpeed = 12500;
        QTest::newRow("speed without a thousands separator")
            << v << QByteArray("engine_rpm") << QByteArray("12500");
        v.blocking = true;
        QTest::newRow("a flag is 1") << v << QByteArray("motor_off") << QByteArray("1");
        QTest::newRow("another flag stays 0") << v << QByteArray("kill_switch") << QByteArray("0");
        v.saveCountdown = 53;
        QTest::newRow("storing countdown") << v << QByteArray("save_countdown") << QByteArray("53");
        QTest::newRow("time with its offset")
            << v << QByteArray("time") << QByteArray("2026-05-01T12:00:00.250+02:00");
    }

    void fields()
    {
        QFETCH(MonitorValues, values);
        QFETCH(QByteArray, column);
        QFETCH(QByteArray, expected);
        const QByteArray row = MonitorCsv::rowLine(kTime, values);
        QCOMPARE(field(row, column), expected);
        QVERIFY(row.endsWith("\r\n"));
        QCOMPARE(row.count(','), MonitorCsv::headerLine().count(','));
        QVERIFY(!row.contains('"'));
    }

    void fileHoldsWholeLinesAndStartsOnlyWithTheFirstRow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ride.csv"));
        testfiles::writeFile(path, "an earlier recording\n");
        {
            MonitorCsvFile unstarted(path);
        }
        QCOMPARE(testfiles::readFile(path), QByteArray("an earlier recording\n"));

        MonitorCsvFile csv(path);
        QVERIFY(csv.append(kTime, MonitorValues()));
        // Nothing waits in a buffer: what is in the file after each row is whole.
        QCOMPARE(testfiles::readFile(path).count("\r\n"), 2);
        QVERIFY(csv.append(kTime.addMSecs(330), MonitorValues()));
        const QByteArray text = testfiles::readFile(path);
        QCOMPARE(text.count("\r\n"), 3);
        QVERIFY(text.startsWith(MonitorCsv::headerLine()));
        QCOMPARE(text.count("time,"), 1);
        // Seconds from the first row, in the last column, so older readers still read.
        const QList<QByteArray> rows = text.split('\n');
        QCOMPARE(field(rows.at(1), "elapsed_s"), QByteArray("0.000"));
        QCOMPARE(field(rows.at(2), "elapsed_s"), QByteArray("0.330"));
        QVERIFY(MonitorCsv::headerLine().trimmed().endsWith(",elapsed_s"));
        QVERIFY(MonitorCsv::headerLine().startsWith("time,engine_rpm,"));
    }

    void unwritableFileIsRefused()
    {
        QTemporaryDir dir;
        MonitorCsvFile csv(dir.filePath(QStringLiteral("no-such-folder/ride.csv")));
        QVERIFY(!csv.append(kTime, MonitorValues()));
        QVERIFY(!csv.errorString().isEmpty());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestMonitorCsv)
#include "tst_monitorcsv.moc"
