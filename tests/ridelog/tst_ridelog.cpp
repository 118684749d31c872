// The recording reader on files as the recorders write them and on bad ones,
// the ride's summary and the reduction of rows to pixel columns.

#include "ColumnDecimation.h"
#include "MonitorCsv.h"
#include "RideLog.h"
#include "RideSummary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kStart(QDate(2026, 12, 8), QTime(23, 15, 1, 250), Qt::OffsetFromUTC, 3600);

struct Row
{
    qint64 ms;
    quint16 rpm = 3000;
    bool shiftLight = false;
    bool limiter = false;
    quint16 supplyMv = 13800;
};

// Rows as the program's recorder writes them, with the elapsed seconds at the
// end of each line when asked.
// As the recorders write it; without elapsed, as files written before the
// elapsed_s column came (it is the last column).
QByteArray recording(const QList<Row> &rows, bool elapsed = false)
{
    const auto written = [elapsed](QByteArray line) {
        if (!elapsed)
            line.remove(line.lastIndexOf(','), line.size() - 2 - line.lastIndexOf(','));
        return line;
    };
    QByteArray text = written(MonitorCsv::headerLine());
    for (const Row &row : rows) {
        MonitorValues values;
        values.engineSpeed = row.rpm;
        values.advanceNow = row.rpm / 200;
        values.supplyMv = row.supplyMv;
        values.shiftLight = row.shiftLight;
        values.limiter = row.limiter;
        text += written(MonitorCsv::rowLine(kStart.addMSecs(row.ms), values, kStart));
    }
    return text;
}

QList<Row> steadyRows(int count, qint64 everyMs = 330)
{
    QList<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.append({i * everyMs, quint16(2000 + 100 * i)});
    return rows;
}

QByteArray rowOf(const QByteArray &text, int line) // 1-based
{
    return text.split('\n').value(line - 1) + '\n';
}

} // namespace

Q_DECLARE_METATYPE(Row)

class TestRideLog : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("firstSkipped");
        QTest::addColumn<qint64>("durationMs");
        const int read = int(RideLog::Status::Read);
        const QByteArray good = recording(steadyRows(5));
        QTest::newRow("recorded") << good << read << 5 << 0 << 0 << qint64(1320);
        QTest::newRow("with elapsed seconds")
            << recording(steadyRows(5), true) << read << 5 << 0 << 0 << qint64(1320);
        QTest::newRow("line feeds only")
            << QByteArray(good).replace("\r\n", "\n") << read << 5 << 0 << 0 << qint64(1320);
        QTest::newRow("byte order mark")
            << "\xEF\xBB\xBF" + good << read << 5 << 0 << 0 << qint64(1320);
        QTest::newRow("cut off in a row")
            << good + rowOf(good, 3).left(30) << read << 5 << 1 << 7 << qint64(1320);
        QTest::newRow("garbage between rows")
            << rowOf(good, 1) + rowOf(good, 2) + "\x01\xff garbage\r\n" + rowOf(good, 3) +
                   QByteArray(rowOf(good, 4)).replace(",2200,", ",nan,") + rowOf(good, 5)
            << read << 3 << 2 << 3 << qint64(990);
        QTest::newRow("time going back")
            << rowOf(good, 1) + rowOf(good, 2) + rowOf(good, 3) + rowOf(good, 2) << read << 2 << 1
            << 4 << qint64(330);
        QTest::newRow("header only")
            << MonitorCsv::headerLine() << read << 0 << 0 << 0 << qint64(0);
        QTest::newRow("parameter file")
            << QByteArray("[ZEVRA]\r\nPOCET_BODU=5\r\n") << int(RideLog::Status::NotARecording) << 0
            << 0 << 0 << qint64(0);
        QTest::newRow("empty") << QByteArray() << int(RideLog::Status::NotARecording) << 0 << 0 << 0
                               << qint64(0);
    }

    void read()
    {
        QFETCH(QByteArray, text);
        const RideLog log = RideLogReader::read(text);
        QTEST(int(log.status), "status");
        QTEST(int(log.samples.size()), "rows");
        QTEST(log.skippedLines, "skipped");
        QTEST(log.firstSkippedLine, "firstSkipped");
        QTEST(log.durationMs(), "durationMs");
        // Telling a recording by content agrees with reading it.
        QCOMPARE(RideLogReader::looksLikeRecording(text), log.status == RideLog::Status::Read);
    }

    // Elapsed seconds, when recorded, are the time line: the clock may jump.
    void elapsedSecondsWinOverTheClock()
    {
        QByteArray text = recording(steadyRows(3), true);
        text.replace("23:15:01.910", "01:00:00.000"); // the third row's clock, set back
        const RideLog log = RideLogReader::read(text);
        QCOMPARE(log.samples.size(), 3);
        QCOMPARE(log.samples.last().timeMs, 660);
    }

    void valuesAndRangeAsRecorded()
    {
        const RideLog log =
            RideLogReader::read(recording({{0, 4500, true}, {330, 5200, false, true}}));
        QCOMPARE(log.samples[1].rpm, 5200.0f);
        QVERIFY(log.samples[0].band(RideBand::ShiftLight));
        QVERIFY(log.samples[1].band(RideBand::Limiter));
        QCOMPARE(log.fields(1).value(log.columns.indexOf("engine_rpm")), QByteArray("5200"));
        const RideLog range = RideLogReader::read(log.csvText(1, 1));
        QCOMPARE(range.samples.size(), 1);
        QCOMPARE(range.samples[0].rpm, 5200.0f);
    }

    // A 1 GB file is refused by its size, without reading it into memory.
    void hugeFileIsRefused()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("huge.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(MonitorCsv::headerLine());
        QVERIFY(file.resize(qint64(1) << 30)); // sparse: no gigabyte is written
        file.close();
        const RideLog log = RideLogReader::readFile(file.fileName());
        QCOMPARE(log.status, RideLog::Status::TooLarge);
        QCOMPARE(log.fileSize, qint64(1) << 30);
        QVERIFY(log.text.isEmpty());
        QCOMPARE(RideLogReader::readFile(folder.filePath(QStringLiteral("missing.csv"))).status,
                 RideLog::Status::CannotOpen);
    }

    void summary_data()
    {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<qint64>("shiftLightMs");
        QTest::addColumn<qint64>("limiterMs");
        QTest::addColumn<qint64>("longestGapMs");
        QTest::addColumn<float>("lowestV");
        QTest::newRow("steady") << steadyRows(4) << qint64(0) << qint64(0) << qint64(0) << 13.8f;
        // A band holds until the next row.
        QTest::newRow("shift light and limiter")
            << QList<Row>{{0, 8000, true}, {300, 8500, true, true}, {600, 8600}, {900}}
            << qint64(600) << qint64(300) << qint64(0) << 13.8f;
        // Nothing counts across a silent gap, and the gap is the longest stretch.
        QTest::newRow("gap") << QList<Row>{{0, 8000, true},
                                           {300, 8000, true},
                                           {10300, 3000},
                                           {10600, 3000, false, false, 11200}}
                             << qint64(300) << qint64(0) << qint64(10000) << 11.2f;
    }

    void summary()
    {
        QFETCH(QList<Row>, rows);
        const RideLog log = RideLogReader::read(recording(rows));
        const RideSummary summary = RideSummary::of(log);
        QCOMPARE(summary.rows, rows.size());
        QCOMPARE(summary.durationMs, rows.last().ms);
        quint16 highest = 0;
        for (const Row &row : rows)
            highest = qMax(highest, row.rpm);
        QCOMPARE(summary.highestRpm, float(highest));
        QTEST(summary.shiftLightMs, "shiftLightMs");
        QTEST(summary.limiterMs, "limiterMs");
        QTEST(summary.longestGapMs, "longestGapMs");
        QVERIFY(summary.lowestSupplyV);
        QTEST(*summary.lowestSupplyV, "lowestV");
    }

    void decimation_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("width");
        QTest::addColumn<qint64>("fromMs");
        QTest::addColumn<qint64>("toMs");
        QTest::newRow("many rows a column") << 20000 << 300 << qint64(0) << qint64(20000 * 330);
        QTest::newRow("zoomed in") << 20000 << 800 << qint64(1000000) << qint64(1003000);
        QTest::newRow("fewer rows than columns") << 50 << 1000 << qint64(0) << qint64(50 * 330);
    }

    // Each column holds the range of its rows, as a plain pass finds it.
    void decimation()
    {
        QFETCH(int, rows);
        QFETCH(int, width);
        QFETCH(qint64, fromMs);
        QFETCH(qint64, toMs);
        QList<Row> list;
        for (int i = 0; i < rows; ++i)
            list.append({i * 330, quint16(3000 + (i * 7919) % 5000)});
        const RideLog log = RideLogReader::read(recording(list));
        const TimeWindow window{fromMs, toMs, width};
        const QVector<DecimatedColumn> columns = decimate(log, &RideSample::rpm, window);
        QCOMPARE(columns.size(), width + 2);
        QVector<float> low(width + 2, 1e9f), high(width + 2, -1e9f);
        for (const RideSample &sample : log.samples) {
            const int x = window.column(sample.timeMs) + 1;
            low[x] = qMin(low[x], sample.rpm);
            high[x] = qMax(high[x], sample.rpm);
        }
        for (int x = 1; x <= width; ++x) {
            QCOMPARE(columns[x].used, high[x] >= low[x]);
            if (columns[x].used) {
                QCOMPARE(columns[x].min, low[x]);
                QCOMPARE(columns[x].max, high[x]);
            }
        }
    }

    // A gap is drawn as a gap: no line joins the rows either side of it.
    void gapIsNotJoined()
    {
        const RideLog log = RideLogReader::read(
            recording({{0, 3000, true}, {330, 3100, true}, {60000, 3200}, {60330, 3300}}));
        const TimeWindow window{0, 60330, 100};
        const QVector<DecimatedColumn> columns = decimate(log, &RideSample::rpm, window);
        const int afterGap = window.column(60000) + 1;
        QVERIFY(columns[afterGap].used);
        QVERIFY(!columns[afterGap].joined);
        QVERIFY(columns[window.column(60330) + 1].joined);
        const QVector<quint16> bands = decimateBands(log, window);
        const quint16 shift = 1u << int(RideBand::ShiftLight);
        QVERIFY(bands[0] & shift);
        QVERIFY(!(bands[50] & shift)); // not held across the gap
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestRideLog)
#include "tst_ridelog.moc"
