// The history of sets as the window uses it: failures said once, and the
// dialog that lists the kept sets newest first and hands back the chosen one.
#include "HistoryDialog.h"
#include "MessageTable.h"
#include "ProgrammedSetWait.h"
#include "SetHistory.h"
#include "TestFiles.h"
#include "ToolTexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

ParameterSet defaults()
{
    ParameterSet set;
    set.SetDefaults();
    return set;
}

} // namespace

class TestSetHistory : public QObject
{
    Q_OBJECT

private slots:
    // Each row: whether the folder can be written at each record, in turn.
    void failureIsSaidOnce_data()
    {
        QTest::addColumn<QList<bool>>("writable");
        QTest::addColumn<int>("said");

        QTest::newRow("always writable") << QList<bool>{true, true} << 0;
        QTest::newRow("failing twice") << QList<bool>{false, false} << 1;
        QTest::newRow("failing again after a success") << QList<bool>{false, true, false} << 2;
        QTest::newRow("failing after successes") << QList<bool>{true, false, false, false} << 1;
    }

    void failureIsSaidOnce()
    {
        QFETCH(QList<bool>, writable);
        QFETCH(int, said);

        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/history");
        QStringList messages;
        SetHistory history(HistoryFolder(folder),
                           [&messages](const QString &text) { messages << text; });
        const ParameterSet set = defaults();
        for (bool canWrite : writable) {
            // A file where the folder should be: no permissions needed, so root sees it too.
            QDir(folder).removeRecursively();
            QFile::remove(folder);
            if (!canWrite)
                testfiles::writeFile(folder, "blocked");
            history.record(set, QStringLiteral("SIL13"), HistoryEvent::Read, lang::German);
            // A failed write leaves what stands in the folder's place alone.
            QCOMPARE(history.folder().entries().size(), canWrite ? 1 : 0);
            if (!canWrite)
                QCOMPARE(testfiles::readFile(folder), QByteArray("blocked"));
        }
        QCOMPARE(messages.size(), said);
        for (const QString &message : messages) {
            QVERIFY(
                message.startsWith(lang::toolText(lang::Tool::HistoryWriteError, lang::German)));
            QVERIFY(message.contains(QStringLiteral("history")));
        }
    }

    void dialogListsNewestFirstAndOpensTheChosen_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::newRow("newest by Open") << 0 << false;
        QTest::newRow("oldest by Open") << 2 << false;
        QTest::newRow("middle by double click") << 1 << true;
    }

    void dialogListsNewestFirstAndOpensTheChosen()
    {
        QFETCH(int, row);
        QFETCH(bool, byDoubleClick);

        QTemporaryDir dir;
        HistoryFolder folder(dir.path());
        const QDateTime noon(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        QVERIFY(folder.record(defaults(), QStringLiteral("OLD"), HistoryEvent::Read, noon));
        QVERIFY(folder.record(defaults(), QStringLiteral("NEW"), HistoryEvent::Programmed,
                              noon.addDays(2)));
        QVERIFY(
            folder.record(defaults(), QStringLiteral("MID"), HistoryEvent::Read, noon.addDays(1)));

        HistoryDialog dialog(folder, lang::French);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("ListHistory"));
        QVERIFY(list);
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("NEW"));
        QCOMPARE(list->topLevelItem(0)->text(2),
                 lang::toolText(lang::Tool::HistoryProgrammed, lang::French));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("MID"));
        QCOMPARE(list->topLevelItem(2)->text(2),
                 lang::toolText(lang::Tool::HistoryRead, lang::French));

        QTreeWidgetItem *chosen = list->topLevelItem(row);
        list->setCurrentItem(chosen);
        if (byDoubleClick) {
            // A double click begins with a press, as the view expects.
            const QRect at = list->visualItemRect(chosen);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at.center());
        } else {
            dialog.findChild<QPushButton *>(QStringLiteral("ButtonHistoryOpen"))->click();
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenPath(), folder.entries().at(row).path);
    }

    // Two selected compare, older first; a note typed for an entry stays with it.
    void dialogComparesTwoAndKeepsNotes()
    {
        QTemporaryDir dir;
        HistoryFolder folder(dir.path());
        const QDateTime noon(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        ParameterSet other = defaults();
        other.setBaseAdv(quint8(other.baseAdv() + 1));
        QVERIFY(folder.record(defaults(), QStringLiteral("OLD"), HistoryEvent::Read, noon));
        QVERIFY(folder.record(other, QStringLiteral("NEW"), HistoryEvent::Read, noon.addSecs(9)));

        HistoryDialog dialog(folder, lang::Czech);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("ListHistory"));
        auto *note = dialog.findChild<QLineEdit *>(QStringLiteral("EditHistoryNote"));
        auto *compare = dialog.findChild<QPushButton *>(QStringLiteral("ButtonHistoryCompare"));
        QVERIFY(list && note && compare);
        QVERIFY(!compare->isEnabled());

        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("Novak CBR"));
        list->setCurrentItem(list->topLevelItem(1)); // moving on keeps the note of the first
        QCOMPARE(folder.entries().at(0).note, QStringLiteral("Novak CBR"));
        QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("Novak CBR"));
        QVERIFY(note->text().isEmpty());

        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(1)->setSelected(true);
        QVERIFY(compare->isEnabled());
        compare->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosen().size(), 2);
        QCOMPARE(dialog.chosen().at(0).unit, QStringLiteral("OLD"));
        QCOMPARE(dialog.chosen().at(1).unit, QStringLiteral("NEW"));
        QVERIFY(dialog.chosenPath().isEmpty());
    }

    // What comes after a Program that ended well, and what the history then keeps:
    // "P" programmed, "I" another sequence or a lost link, a digit the unit's
    // save countdown; "E" an edit of the window's set while the unit stores.
    void programmedSetWaitsForTheStore_data()
    {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<HistoryEvent>>("kept");
        QTest::addColumn<QList<int>>("baseAdvances");
        using E = HistoryEvent;
        QTest::newRow("still storing") << "P5" << QList<E>{} << QList<int>{};
        QTest::newRow("stored") << "P50" << QList<E>{E::Programmed} << QList<int>{0};
        QTest::newRow("edited while storing") << "PE0" << QList<E>{E::Programmed} << QList<int>{0};
        QTest::newRow("link lost while storing")
            << "P5I0" << QList<E>{E::Unconfirmed} << QList<int>{0};
        QTest::newRow("programmed again before stored")
            << "PEP0" << QList<E>{E::Unconfirmed, E::Programmed} << QList<int>{0, 1};
        QTest::newRow("stored once only") << "P00" << QList<E>{E::Programmed} << QList<int>{0};
    }

    void programmedSetWaitsForTheStore()
    {
        QFETCH(QString, after);
        ParameterSet set;
        set.SetDefaults();
        const int base = set.baseAdv();
        QList<HistoryEvent> kept;
        QList<int> baseAdvances;
        ProgrammedSetWait wait([&](HistoryEvent event, const ParameterSet &stored) {
            kept << event;
            baseAdvances << stored.baseAdv() - base;
        });
        for (const QChar step : after) {
            if (step == QLatin1Char('P'))
                wait.programmed(set);
            else if (step == QLatin1Char('I'))
                wait.interrupted();
            else if (step == QLatin1Char('E'))
                set.setBaseAdv(quint8(set.baseAdv() + 1));
            else
                wait.countdownReported(quint16(step.digitValue()));
        }
        QTEST(kept, "kept");
        QTEST(baseAdvances, "baseAdvances");
    }

    void emptyHistoryCannotOpen()
    {
        QTemporaryDir dir;
        const HistoryFolder folder(dir.path());
        HistoryDialog dialog(folder, lang::English);
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("ButtonHistoryOpen"))->isEnabled());
        dialog.findChild<QPushButton *>(QStringLiteral("ButtonHistoryClose"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.chosenPath().isEmpty());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestSetHistory)
#include "tst_sethistory.moc"
