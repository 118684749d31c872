// The date line the print command leaves on the message line: held for the
// message time, and kept off screen with the connection label while the
// window is printed.
#include "PresenterRig.h"

#include <QtTest>

class TestMessageHold : public QObject
{
    Q_OBJECT

private slots:
    void heldLine_data();
    void heldLine();
};

void TestMessageHold::heldLine_data()
{
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("messageShown");
    QTest::addColumn<bool>("connectionShown");

    QTest::newRow("first tick after the print") << false << 1 << true << true;
    QTest::newRow("last tick of the hold") << false << MessageLine::kHoldTicks << true << true;
    QTest::newRow("hold over") << false << MessageLine::kHoldTicks + 1 << false << true;
    QTest::newRow("tick while printing") << true << 1 << false << false;
}

void TestMessageHold::heldLine()
{
    QFETCH(bool, printMode);
    QFETCH(int, ticks);
    QFETCH(bool, messageShown);
    QFETCH(bool, connectionShown);

    PresenterRig rig;
    rig.ticks(PollCycle::kWatchdogTicks + 1); // the unit is silent: "No Connection"
    QVERIFY(rig.display.connectionVisible);
    QVERIFY(!rig.display.messageVisible);

    rig.display.printing = printMode;
    rig.presenter.beginPrint(QStringLiteral("printed"));
    QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks);
    rig.ticks(ticks);
    QCOMPARE(rig.display.messageVisible, messageShown);
    QCOMPARE(rig.display.connectionVisible, connectionShown);
}

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestMessageHold)
#include "tst_messagehold.moc"
