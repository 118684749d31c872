#include "HistoryFolder.h"
#include "IgnFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(HistoryEvent)

namespace {

const QDateTime kNoon(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);

ParameterSet setWithAdvance(int advance)
{
    ParameterSet set;
    set.SetDefaults();
    set.setAdvance(0, quint8(advance));
    return set;
}

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestHistoryFolder : public QObject
{
    Q_OBJECT

private slots:
    void namesRoundTrip_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<HistoryEvent>("event");
        QTest::addColumn<QString>("unitInName");

        QTest::newRow("read") << "SIL13" << HistoryEvent::Read << "SIL13";
        QTest::newRow("programmed") << "SIL13" << HistoryEvent::Programmed << "SIL13";
        QTest::newRow("unsafe characters") << "a/b c_d" << HistoryEvent::Read << "a-b-c-d";
        QTest::newRow("no identification") << "  " << HistoryEvent::Programmed << "unknown";
    }

    void namesRoundTrip()
    {
        QFETCH(QString, unit);
        QFETCH(HistoryEvent, event);
        QFETCH(QString, unitInName);

        const QDateTime when = kNoon.addMSecs(345);
        const QString name = HistoryFolder::fileName(when, unit, event);
        QVERIFY(name.endsWith(QLatin1String(".ign")));
        const auto entry = HistoryFolder::parse(name);
        QVERIFY(entry);
        QCOMPARE(entry->when, when);
        QCOMPARE(entry->unit, unitInName);
        QCOMPARE(entry->event, event);
    }

    void foreignNamesAreNotEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("user's file") << "mybike.ign";
        QTest::newRow("other extension") << "20261208T120000.000Z_SIL13_read.txt";
        QTest::newRow("unknown event") << "20261208T120000.000Z_SIL13_saved.ign";
        QTest::newRow("impossible time") << "20261399T250000.000Z_SIL13_read.ign";
    }

    void foreignNamesAreNotEntries()
    {
        QFETCH(QString, name);
        QVERIFY(!HistoryFolder::parse(name));
    }

    // Local clock changes (summer time) must not reorder the list.
    void listsNewestFirstAndWritesTheSet()
    {
        QTemporaryDir dir;
        HistoryFolder history(dir.path() + QStringLiteral("/history"));
        const QDateTime summer = kNoon.toTimeZone(QTimeZone(3600 * 2));
        QVERIFY(history.record(setWithAdvance(1), QStringLiteral("A"), HistoryEvent::Read, summer));
        QVERIFY(history.record(setWithAdvance(2), QStringLiteral("B"), HistoryEvent::Programmed,
                               kNoon.addSecs(60)));
        QVERIFY(history.record(setWithAdvance(3), QStringLiteral("C"), HistoryEvent::Read,
                               kNoon.addSecs(-60)));
        testfiles::writeFile(dir.path() + QStringLiteral("/history/mine.ign"), "x");

        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].unit, QStringLiteral("B"));
        QCOMPARE(entries[1].unit, QStringLiteral("A"));
        QCOMPARE(entries[2].unit, QStringLiteral("C"));
        QCOMPARE(entries[0].event, HistoryEvent::Programmed);

        ParameterSet loaded;
        QCOMPARE(IgnFile::load(entries[0].path, loaded), IgnFile::LoadResult::Loaded);
        QCOMPARE(loaded.advance(0), quint8(2));
    }

    void sameMillisecondKeepsBoth()
    {
        QTemporaryDir dir;
        HistoryFolder history(dir.path());
        QVERIFY(history.record(setWithAdvance(1), QStringLiteral("A"), HistoryEvent::Read, kNoon));
        QVERIFY(history.record(setWithAdvance(2), QStringLiteral("A"), HistoryEvent::Read, kNoon));
        QCOMPARE(history.entries().size(), 2);
    }

    void pruningRemovesTheOldest_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("recorded");
        QTest::addColumn<int>("kept");

        QTest::newRow("below the limit") << 4 << 3 << 3;
        QTest::newRow("at the limit") << 4 << 4 << 4;
        QTest::newRow("one beyond") << 4 << 5 << 4;
        QTest::newRow("many beyond") << 4 << 9 << 4;
    }

    void pruningRemovesTheOldest()
    {
        QFETCH(int, limit);
        QFETCH(int, recorded);
        QFETCH(int, kept);

        QTemporaryDir dir;
        testfiles::writeFile(dir.path() + QStringLiteral("/mine.ign"), "x");
        HistoryFolder history(dir.path(), limit);
        // Recorded out of time order: the oldest by time goes, not the first written.
        for (int i = recorded - 1; i >= 0; --i)
            QVERIFY(history.record(setWithAdvance(i), QStringLiteral("U%1").arg(i),
                                   HistoryEvent::Read, kNoon.addSecs(i)));

        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), kept);
        QCOMPARE(entries.first().unit, QStringLiteral("U%1").arg(recorded - 1));
        QCOMPARE(entries.last().unit, QStringLiteral("U%1").arg(recorded - kept));
        QVERIFY(QFileInfo::exists(dir.path() + QStringLiteral("/mine.ign")));
    }

    // A file where the folder should be: no permissions needed, so root sees it too.
    void unwritableFolderChangesNothing()
    {
        QTemporaryDir dir;
        const QString blocker = dir.path() + QStringLiteral("/history");
        testfiles::writeFile(blocker, "not a folder");
        HistoryFolder history(blocker + QStringLiteral("/sub"));

        QVERIFY(!history.record(setWithAdvance(1), QStringLiteral("A"), HistoryEvent::Read, kNoon));
        QVERIFY(history.entries().isEmpty());
        QCOMPARE(fileNames(dir.path()), QStringList{QStringLiteral("history")});
        QCOMPARE(testfiles::readFile(blocker), QByteArray("not a folder"));
    }
};

QTEST_GUILESS_MAIN(TestHistoryFolder)
#include "tst_historyfolder.moc"
