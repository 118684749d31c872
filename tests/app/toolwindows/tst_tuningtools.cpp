#include "CompareRows.h"
#include "CompareWindow.h"
#include "LiveRecording.h"
#include "MessageTable.h"
#include "MonitorCsv.h"
#include "ParameterComparison.h"
#include "ParameterSet.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

constexpr int kSpareByte = -1; // a page-1 byte the .ign file does not hold

int spareByte()
{
    QSet<int> named;
    for (const auto &parameter : ParameterComparison::namedParameters())
        named.insert(parameter.position);
    for (int position = ParameterSet::kPageSize; position < ParameterSet::kSize; ++position) {
        if (!named.contains(position))
            return position;
    }
    return -1;
}

ParameterSet defaults()
{
    ParameterSet set;
    set.SetDefaults();
    return set;
}

int rowOf(int position)
{
    const auto parameters = ParameterComparison::namedParameters();
    for (int i = 0; i < parameters.size(); ++i) {
        if (parameters.at(i).position == position)
            return i;
    }
    return -1;
}

MonitorValues liveValues(int rpm)
{
    MonitorValues values;
    values.engineSpeed = quint16(rpm);
    values.pickup = true;
    return values;
}

} // namespace

class TestTuningTools : public QObject
{
    Q_OBJECT

private slots:
    // The window's set holds byte a at the position, the other set byte b.
    void proposedRecordingName_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("named unit") << "SIL13"
                                    << "/home/m/Documents/ride-2026-12-08-0705-SIL13.csv";
        QTest::newRow("unsafe name") << " a/b "
                                     << "/home/m/Documents/ride-2026-12-08-0705-a-b.csv";
        QTest::newRow("no unit read") << ""
                                      << "/home/m/Documents/ride-2026-12-08-0705.csv";
    }

    void proposedRecordingName()
    {
        QFETCH(QString, unit);
        QFETCH(QString, expected);
        const QDateTime now(QDate(2026, 12, 8), QTime(7, 5, 59));
        QCOMPARE(LiveRecording::proposedPath(QStringLiteral("/home/m/Documents"), now, unit),
                 expected);
    }

    void compareRows_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("differs");
        QTest::newRow("motorcycle list index") << int(ParameterSet::BIKE) << 0 << 4 << true;
        QTest::newRow("pick-up coding") << int(ParameterSet::GEBER_NR) << 1 << 2 << true;
        QTest::newRow("polarity beyond its list") << int(ParameterSet::POLARITA) << 2 << 7 << true;
        QTest::newRow("input choice") << int(ParameterSet::INPUT) + 1 << 0 << 3 << true;
        QTest::newRow("flag stored as 1 or 2") << int(ParameterSet::NO_READING) << 1 << 2 << false;
        QTest::newRow("flag off and on")
            << int(ParameterSet::REV_OUT_PILOT_LIGHT) << 0 << 1 << true;
        QTest::newRow("curve point speed") << int(ParameterSet::RPM_ADV) + 2 << 30 << 31 << true;
        QTest::newRow("clutch pause") << int(ParameterSet::CLUTCH) + 1 << 5 << 6 << true;
        QTest::newRow("spare byte") << kSpareByte << 0 << 9 << false;
    }

    void compareRows()
    {
        QFETCH(int, position);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, differs);
        if (position == kSpareByte)
            position = spareByte();
        QVERIFY(position >= 0);
        ParameterSet window = defaults();
        ParameterSet other = window;
        window.set(position, quint8(a));
        other.set(position, quint8(b));

        const QList<CompareRow> rows = ::compareRows(window, other, lang::English);
        QCOMPARE(rows.size(), ParameterComparison::namedParameters().size());
        QCOMPARE(differenceCount(rows), differs ? 1 : 0);
        QCOMPARE(differenceCount(rows), int(ParameterComparison::compare(window, other).size()));
        if (differs) {
            const CompareRow &row = rows.at(rowOf(position));
            QVERIFY(row.differs);
            QVERIFY(row.window != row.other);
        }
    }

    // Every parameter has a name of its own in every language, never the file's key.
    void parameterNames_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < lang::kLanguageCount; ++language)
            QTest::addRow("language %d", language) << language;
    }

    void parameterNames()
    {
        QFETCH(int, language);
        const ParameterSet set = defaults();
        const QList<CompareRow> rows = ::compareRows(set, set, quint8(language));
        QSet<QString> names;
        const auto parameters = ParameterComparison::namedParameters();
        for (int i = 0; i < rows.size(); ++i) {
            const QString &name = rows.at(i).name;
            QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char('&')), qPrintable(name));
            QVERIFY2(!parameters.at(i).name.startsWith(name), qPrintable(name));
            QVERIFY2(!name.endsWith(QLatin1Char(':')) && !name.endsWith(QLatin1Char(']')),
                     qPrintable(name));
            names.insert(name);
        }
        QCOMPARE(names.size(), rows.size());
    }

    void onlyDifferences_data()
    {
        QTest::addColumn<int>("differences");
        QTest::newRow("none") << 0;
        QTest::newRow("two") << 2;
    }

    void onlyDifferences()
    {
        QFETCH(int, differences);
        ParameterSet window = defaults();
        ParameterSet other = window;
        for (int i = 0; i < differences; ++i)
            other.setAdvance(i, quint8(window.advance(i) + 1));
        CompareWindow compare(nullptr);
        compare.showSets(window, other, QStringLiteral("/tmp/other.ign"));
        auto *table = compare.findChild<QTableWidget *>(QStringLiteral("TableCompare"));
        auto *only = compare.findChild<QCheckBox *>(QStringLiteral("CheckBoxOnlyDifferences"));
        auto *count = compare.findChild<QLabel *>(QStringLiteral("LabelDifferences"));
        QVERIFY(table && only && count);
        const auto shownRows = [table] {
            int shown = 0;
            for (int r = 0; r < table->rowCount(); ++r)
                shown += table->isRowHidden(r) ? 0 : 1;
            return shown;
        };
        const int all = int(ParameterComparison::namedParameters().size());
        QCOMPARE(shownRows(), all);
        QVERIFY(count->text().contains(QString::number(differences)));

        only->setChecked(true);
        QCOMPARE(shownRows(), differences);
        // A language switch rebuilds the rows and keeps the filter.
        compare.setLanguage(lang::Czech);
        QCOMPARE(shownRows(), differences);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("other.ign"));
        only->setChecked(false);
        QCOMPARE(shownRows(), all);
    }

    // The file fills up after two rows: the third write fails, the recording
    // ends, and the file still holds the header and both rows whole.
    void recordingKeepsItsRowsWhenAWriteFails()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("live.csv"));
        LiveRecording recording(path);
        const QDateTime time = QDateTime::currentDateTime();
        QVERIFY(recording.take(time, liveValues(1000)));
        QVERIFY(recording.take(time, liveValues(2000)));
        const qint64 full = QFileInfo(path).size();

        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before;
        limit.rlim_cur = rlim_t(full);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const bool third = recording.take(time, liveValues(3000));
        const bool fourth = recording.take(time, liveValues(4000));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!third);
        QVERIFY(!fourth);
        QVERIFY(recording.failed());
        QVERIFY(!recording.errorString().isEmpty());
        QCOMPARE(recording.rows(), 2);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), MonitorCsv::headerLine() +
                                     MonitorCsv::rowLine(time, liveValues(1000)) +
                                     MonitorCsv::rowLine(time, liveValues(2000)));
#else
        QSKIP("needs a file size limit");
#endif
    }

    // Nothing is written before the first row: an existing file stays as it was.
    void recordingWithoutRowsLeavesTheFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier recording\r\n");
        file.close();
        {
            LiveRecording recording(path);
            QCOMPARE(recording.rows(), 0);
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier recording\r\n"));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestTuningTools)
#include "tst_tuningtools.moc"
