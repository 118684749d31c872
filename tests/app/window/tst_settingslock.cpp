// A second window on the same settings folder asks before it starts.
#include "MessageTable.h"
#include "ModalAnswer.h"
#include "SettingsLock.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsLock : public QObject
{
    Q_OBJECT

private slots:
    void secondWindowAsks_data()
    {
        QTest::addColumn<bool>("otherWindow");
        QTest::addColumn<int>("answer"); // the button clicked in the question
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("starts");

        QTest::newRow("alone, no question") << false << 0 << 0 << true;
        QTest::newRow("another window, start anyway") << true << int(QMessageBox::Yes) << 0 << true;
        QTest::newRow("another window, do not start") << true << int(QMessageBox::No) << 0 << false;
        QTest::newRow("asked in German") << true << int(QMessageBox::No) << 1 << false;
        QTest::newRow("asked in Czech") << true << int(QMessageBox::Yes) << 3 << true;
    }

    void secondWindowAsks()
    {
        QFETCH(bool, otherWindow);
        QFETCH(int, answer);
        QFETCH(int, language);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("zevras"));
        QDir().mkpath(folder);
        QLockFile other(QDir(folder).filePath(QString::fromLatin1(SettingsLock::kFileName)));
        if (otherWindow)
            QVERIFY(other.tryLock(0));

        SettingsLock lock(folder);
        lang::MessageTable messages;
        messages.fill(quint8(language));
        bool starts = false;
        QString asked;
        const bool shown =
            testmodal::withModal([&] { starts = lock.acquire(quint8(language)); },
                                 [&](QWidget *modal) {
                                     auto *box = qobject_cast<QMessageBox *>(modal);
                                     QVERIFY2(box, "a question box");
                                     asked = box->text();
                                     box->button(QMessageBox::StandardButton(answer))->click();
                                 });
        QCOMPARE(shown, otherWindow);
        QTEST(starts, "starts");
        if (otherWindow)
            QCOMPARE(asked, messages.text(lang::Msg::AnotherWindowRuns).arg(folder));
    }

    // The first window's lock holds while it runs and goes with it.
    void lockGoesWithTheWindow()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(QString::fromLatin1(SettingsLock::kFileName));
        {
            SettingsLock first(dir.path());
            QVERIFY(first.acquire(0));
            QLockFile second(lockPath);
            QVERIFY(!second.tryLock(0));
        }
        QLockFile later(lockPath);
        QVERIFY(later.tryLock(0));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestSettingsLock)
#include "tst_settingslock.moc"
