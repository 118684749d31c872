// The date line the print command leaves on the message line: held for the
// message time, and kept off screen with the connection label while the
// window is printed.
#include "LinkRig.h"

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
    QTest::newRow("last tick of the hold") << false << PollCycle::kMessageTicks << true << true;
    QTest::newRow("hold over") << false << PollCycle::kMessageTicks + 1 << false << true;
    QTest::newRow("tick while printing") << true << 1 << false << false;
}

void TestMessageHold::heldLine()
{
    QFETCH(bool, printMode);
    QFETCH(int, ticks);
    QFETCH(bool, messageShown);
    QFETCH(bool, connectionShown);

    LinkRig rig;
    rig.ticks(PollCycle::kWatchdogTicks + 1); // the unit is silent: "No Connection"
    QVERIFY(rig.view.connectionVisible);
    QVERIFY(!rig.view.messageVisible);

    rig.link.setPrintMode(printMode);
    rig.link.holdMessage();
    QCOMPARE(rig.link.messageTicks(), PollCycle::kMessageTicks);
    rig.ticks(ticks);
    QCOMPARE(rig.view.messageVisible, messageShown);
    QCOMPARE(rig.view.connectionVisible, connectionShown);
}

QTEST_GUILESS_MAIN(TestMessageHold)
#include "tst_messagehold.moc"
