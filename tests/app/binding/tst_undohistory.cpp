// The undo ring and the arming of "programming after change", without a window.
#include "UndoHistory.h"

#include <QTest>

namespace {
ParameterSet imageWithAdvance(int advance)
{
    ParameterSet image;
    image.SetDefaults();
    image.setAdvance(0, quint8(advance));
    return image;
}
} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void startsWithNothingToUndo();
    void undoAndRedoRestoreSnapshots();
    void unchangedCommitRecordsNothing();
    void newChangeDropsRedo();
    void ringKeeps199Undos_data();
    void ringKeeps199Undos();
    void programmingAfterChange_data();
    void programmingAfterChange();
};

void TestUndoHistory::startsWithNothingToUndo()
{
    UndoHistory history;
    ParameterSet image = imageWithAdvance(10);
    history.StartUndoHistory(image);
    QVERIFY(!history.canUndo());
    QVERIFY(!history.canRedo());
    QVERIFY(!history.Undo(image));
    QVERIFY(!history.Redo(image));
    QCOMPARE(image, imageWithAdvance(10));
}

void TestUndoHistory::undoAndRedoRestoreSnapshots()
{
    UndoHistory history;
    ParameterSet image = imageWithAdvance(10);
    history.StartUndoHistory(image);
    image.setAdvance(0, 11);
    QVERIFY(history.RecordUndoStep(image, false).changed);
    QVERIFY(history.canUndo());

    image.setAdvance(5, 40); // typed, never committed: undo drops it
    QVERIFY(history.Undo(image));
    QCOMPARE(image, imageWithAdvance(10));
    QVERIFY(!history.canUndo());
    QVERIFY(history.canRedo());

    QVERIFY(history.Redo(image));
    QCOMPARE(image, imageWithAdvance(11));
    QVERIFY(!history.canRedo());
}

void TestUndoHistory::unchangedCommitRecordsNothing()
{
    UndoHistory history;
    ParameterSet image = imageWithAdvance(10);
    history.StartUndoHistory(image);
    QVERIFY(!history.RecordUndoStep(image, false).changed);
    QVERIFY(!history.canUndo());
}

void TestUndoHistory::newChangeDropsRedo()
{
    UndoHistory history;
    ParameterSet image = imageWithAdvance(10);
    history.StartUndoHistory(image);
    for (int advance : {11, 12}) {
        image.setAdvance(0, quint8(advance));
        history.RecordUndoStep(image, false);
    }
    history.Undo(image);
    QVERIFY(history.canRedo());
    image.setAdvance(0, 13);
    history.RecordUndoStep(image, false);
    QVERIFY(!history.canRedo());
    history.Undo(image);
    QCOMPARE(image, imageWithAdvance(11));
}

void TestUndoHistory::ringKeeps199Undos_data()
{
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("oldestAdvance");

    QTest::newRow("fewer than the ring") << 50 << 50 << 0;
    QTest::newRow("199 fill the ring") << 199 << 199 << 0;
    QTest::newRow("200 overwrite the start") << 200 << 199 << 1;
    QTest::newRow("250 wrap around") << 250 << 199 << 51;
}

void TestUndoHistory::ringKeeps199Undos()
{
    QFETCH(int, changes);
    QFETCH(int, undos);
    QFETCH(int, oldestAdvance);

    UndoHistory history;
    ParameterSet image;
    history.StartUndoHistory(image);
    for (int i = 1; i <= changes; ++i) {
        image.setAdvance(i / 256, quint8(i % 256)); // every change differs from the last
        QVERIFY(history.RecordUndoStep(image, false).changed);
    }
    int done = 0;
    while (history.Undo(image))
        ++done;
    QCOMPARE(done, undos);
    QCOMPARE(int(image.advance(0)), oldestAdvance);
    int redone = 0;
    while (history.Redo(image))
        ++redone;
    QCOMPARE(redone, undos);
}

void TestUndoHistory::programmingAfterChange_data()
{
    QTest::addColumn<bool>("armedBefore"); // box ticked at the previous commit
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("programs");

    QTest::newRow("box off") << false << false << true << false;
    QTest::newRow("first commit after ticking, unchanged") << false << true << false << false;
    QTest::newRow("first commit after ticking, changed") << false << true << true << true;
    QTest::newRow("armed, unchanged") << true << true << false << true;
    QTest::newRow("armed, box untick") << true << false << true << false;
}

void TestUndoHistory::programmingAfterChange()
{
    QFETCH(bool, armedBefore);
    QFETCH(bool, ticked);
    QFETCH(bool, changed);
    QFETCH(bool, programs);

    UndoHistory history;
    ParameterSet image = imageWithAdvance(10);
    history.StartUndoHistory(image);
    history.RecordUndoStep(image, armedBefore);
    QCOMPARE(history.programArmed(), armedBefore);

    if (changed)
        image.setAdvance(0, 20);
    const UndoHistory::Step step = history.RecordUndoStep(image, ticked);
    QCOMPARE(step.changed, changed);
    QCOMPARE(step.startProgramming, programs);
    QCOMPARE(history.programArmed(), ticked);
}

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
