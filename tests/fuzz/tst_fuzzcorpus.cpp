// Replays the fuzz regression corpus through the fuzz targets' own entries,
// without libFuzzer: every kept input must still pass.

#include "FuzzEntries.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        const QDir corpus(testpaths::fuzzCorpus());
        for (const fuzz::Target &target : fuzz::kTargets) {
            const QString name = QString::fromLatin1(target.name);
            const QDir folder(corpus.filePath(name));
            const QStringList files = folder.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!files.isEmpty(), qPrintable(name + QStringLiteral(" has no corpus")));
            for (const QString &file : files) {
                QTest::newRow(qPrintable(name + u'/' + file)) << name << folder.filePath(file);
            }
        }
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        const fuzz::Target *entry = fuzz::findTarget(qPrintable(target));
        QVERIFY(entry);
        entry->entry(input);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
