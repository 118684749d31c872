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
        QTest::newRow("not confirmed") << "SIL13" << HistoryEvent::Unconfirmed << "SIL13";
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

    // Each row: reads (or programs, P) of sets by advance and unit, in turn.
    void readAgainCounts_data()
    {
        QTest::addColumn<QStringList>("events"); // "advance unit [P]"
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("newestReadAgain");

        QTest::newRow("one read") << QStringList{"1 A"} << 1 << 0;
        QTest::newRow("read three times") << QStringList{"1 A", "1 A", "1 A"} << 1 << 2;
        QTest::newRow("changed set") << QStringList{"1 A", "2 A"} << 2 << 0;
        QTest::newRow("back to an older set") << QStringList{"1 A", "2 A", "1 A"} << 3 << 0;
        QTest::newRow("other unit between") << QStringList{"1 A", "1 B", "1 A"} << 2 << 1;
        QTest::newRow("read after programming it") << QStringList{"1 A P", "1 A"} << 1 << 1;
        QTest::newRow("programmed twice") << QStringList{"1 A P", "1 A P"} << 2 << 0;
    }

    void readAgainCounts()
    {
        QFETCH(QStringList, events);
        QFETCH(int, entries);
        QFETCH(int, newestReadAgain);

        QTemporaryDir dir;
        HistoryFolder history(dir.path());
        for (int i = 0; i < events.size(); ++i) {
            const QStringList parts = events.at(i).split(QLatin1Char(' '));
            QVERIFY(history.record(setWithAdvance(parts.at(0).toInt()), parts.at(1),
                                   parts.size() > 2 ? HistoryEvent::Programmed : HistoryEvent::Read,
                                   kNoon.addSecs(i)));
        }
        const QList<HistoryEntry> list = history.entries();
        QCOMPARE(list.size(), entries);
        int newest = 0;
        for (const HistoryEntry &entry : list) {
            if (entry.unit == QStringLiteral("A")) {
                newest = entry.readAgain;
                break;
            }
        }
        QCOMPARE(newest, newestReadAgain);
    }

    // A note stays beside its entry, is read back with it and goes when it does.
    void notesStayBesideTheirEntry()
    {
        QTemporaryDir dir;
        HistoryFolder history(dir.path(), 2);
        QVERIFY(history.record(setWithAdvance(1), QStringLiteral("A"), HistoryEvent::Read, kNoon));
        QVERIFY(history.setNote(history.entries().first(), QStringLiteral("  Novak,\nCBR 600 ")));
        QCOMPARE(history.entries().first().note, QStringLiteral("Novak, CBR 600"));
        QVERIFY(history.record(setWithAdvance(1), QStringLiteral("A"), HistoryEvent::Read,
                               kNoon.addSecs(1)));
        QCOMPARE(history.entries().first().note, QStringLiteral("Novak, CBR 600"));
        QCOMPARE(history.entries().first().readAgain, 1);

        QVERIFY(history.record(setWithAdvance(2), QStringLiteral("B"), HistoryEvent::Read,
                               kNoon.addSecs(2)));
        QVERIFY(history.record(setWithAdvance(3), QStringLiteral("C"), HistoryEvent::Read,
                               kNoon.addSecs(3)));
        QCOMPARE(history.entries().size(), 2);
        for (const QString &name : fileNames(dir.path()))
            QVERIFY2(name.endsWith(QLatin1String(".ign")), qPrintable(name));

        QVERIFY(history.setNote(history.entries().first(), QStringLiteral("plate 1A2 3456")));
        QVERIFY(history.setNote(history.entries().first(), QString()));
        QCOMPARE(history.entries().first().note, QString());
        QCOMPARE(fileNames(dir.path()).size(), 2);
    }

    void holdsOnlyItsOwnFolder_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("held");
        QTest::newRow("an entry") << "history/20261208T120000.000Z_A_read.ign" << true;
        QTest::newRow("a new name in it") << "history/mine.ign" << true;
        QTest::newRow("through a dot-dot") << "history/../history/x.ign" << true;
        QTest::newRow("beside it") << "x.ign" << false;
        QTest::newRow("below it") << "history/sub/x.ign" << false;
    }

    void holdsOnlyItsOwnFolder()
    {
        QFETCH(QString, relative);
        QFETCH(bool, held);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("history/sub")));
        const HistoryFolder history(dir.path() + QStringLiteral("/history"));
        QCOMPARE(history.holds(dir.path() + QLatin1Char('/') + relative), held);
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

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestHistoryFolder)
#include "tst_historyfolder.moc"
