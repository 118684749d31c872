#include "LinkRig.h"

#include <QtTest>

using State = PollCycle::LinkState;

namespace {

// The parameters of a unit that differ from the New defaults of the window.
ParameterSet unitSet()
{
    ParameterSet unit;
    unit.SetDefaults();
    unit.setPocetBodu(5);
    unit.setBaseAdv(25);
    unit.setAdvance(3, 33);
    unit.setPage(0, bytes(unitPage0()));
    return unit;
}

QByteArray withByte(const QByteArray &page, int index, quint8 value)
{
    QByteArray changed = page;
    changed[index] = char(value);
    return changed;
}

} // namespace

class TestTransactions : public QObject
{
    Q_OBJECT

private slots:
    void readThenVerify_data()
    {
        QTest::addColumn<bool>("normalisationChanges");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("unit set already normal") << false << "Verify: OK";
        QTest::newRow("normalisation changes the set") << true << "Verify error!";
    }

    void readThenVerify()
    {
        QFETCH(bool, normalisationChanges);
        QFETCH(QString, outcome);
        LinkRig rig;
        ParameterSet unit = unitSet();
        if (normalisationChanges)
            unit.setRpmAdv(1, unit.rpmAdv(0)); // a tie the range rule raises
        const QByteArray unitPage1 = pageOf(unit, 1);

        rig.link.startRead();
        QCOMPARE(rig.view.clearFileNameCalls, 1);
        QCOMPARE(rig.view.messageText, QStringLiteral("Read:"));
        QCOMPARE(rig.view.collectCalls, 0);

        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0())));
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(rig.link.identification().name, QStringLiteral("SIL13"));
        QCOMPARE(rig.link.identification().date, QStringLiteral("25. 1.2003"));
        QCOMPARE(rig.link.identification().time, QStringLiteral("16:21"));
        QCOMPARE(rig.view.progress, 1);
        // The page-1 read went out at once and carries zeros.
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
        QCOMPARE(dataOf(rig.port.lastWrite()), QByteArray(50, '\0'));
        QCOMPARE(rig.link.sendCount(), 1);

        const int showsBefore = rig.view.showCalls;
        rig.port.feed(testframes::frame(0xC1, bytes(unitPage1)));
        rig.link.tick();
        ParameterSet expected = unit;
        expected.NormaliseParameterSet();
        QCOMPARE(pageOf(rig.image, 1), pageOf(expected, 1));
        QCOMPARE(rig.view.showCalls, showsBefore + 1);
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QCOMPARE(rig.view.messageText, QStringLiteral("Verify:"));
        QCOMPARE(rig.view.progress, 0);
        // The verify carries page 1 as read and normalised.
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
        QCOMPARE(dataOf(rig.port.lastWrite()), pageOf(expected, 1));

        // The unit answers what it holds, every time it is asked.
        for (int tick = 0; tick < PollCycle::kMaxSends * PollCycle::kResendTicks + 1; ++tick) {
            if (rig.link.linkState() == State::Idle)
                break;
            rig.port.feed(testframes::frame(0xC1, bytes(unitPage1)));
            rig.link.tick();
        }
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(rig.view.messageText, outcome);
        QCOMPARE(rig.link.programmedOk(), false);
    }

    void readStopsAtVersion()
    {
        LinkRig rig;
        const ParameterSet before = rig.image;
        State stateAtBox = State::Reading;
        int ticksAtBox = -1;
        int nestedBoxes = -1;
        rig.view.onVersionBox = [&] {
            stateAtBox = rig.link.linkState();
            ticksAtBox = rig.link.messageTicks();
            // A modal box keeps the timer running: the link must take further ticks.
            rig.ticks(PollCycle::kStatusPollTicks);
            nestedBoxes = int(rig.view.versionBoxes.size());
        };
        rig.link.startRead();
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0(45))));

        QCOMPARE(rig.view.versionBoxes,
                 QStringList("Unmatched version of PC and Ignition programs!  PC-46, IGN-45"));
        QCOMPARE(stateAtBox, State::Idle);
        QCOMPARE(ticksAtBox, 0);
        QCOMPARE(nestedBoxes, 1);
        QCOMPARE(pageOf(rig.image, 0), unitPage0(45));
        QCOMPARE(pageOf(rig.image, 1), pageOf(before, 1));
        QCOMPARE(rig.link.identification().name, QStringLiteral("SIL13"));
        QVERIFY(rig.view.showCalls > 0);
        QVERIFY(!rig.view.progressVisible);
        QVERIFY(!rig.view.messageVisible);
        QCOMPARE(rig.writesWithCode(0x41), 0);
    }

    void readStopsAtNoReading()
    {
        LinkRig rig;
        const ParameterSet before = rig.image;
        rig.link.startRead();
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0(46, 0))));
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(rig.view.messageText, QStringLiteral("No reading!"));
        QCOMPARE(rig.view.messageColour, LabelColour::Red);
        QVERIFY(rig.view.messageVisible);
        QCOMPARE(rig.link.messageTicks(), PollCycle::kMessageTicks - 1);
        QCOMPARE(pageOf(rig.image, 0), unitPage0(46, 0));
        QCOMPARE(pageOf(rig.image, 1), pageOf(before, 1));
        QVERIFY(rig.view.versionBoxes.isEmpty());
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x41), 0);
    }

    void readFailsAfterPage0()
    {
        LinkRig rig;
        const ParameterSet before = rig.image;
        rig.link.startRead();
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0())));
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x41), PollCycle::kMaxSends);
        QCOMPARE(rig.view.messageText, QStringLiteral("Read error!"));
        QCOMPARE(rig.view.messageColour, LabelColour::Red);
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(pageOf(rig.image, 1), pageOf(before, 1));
    }

    void programSucceeds()
    {
        LinkRig rig;
        rig.image.setPage(0, bytes(withByte(unitPage0(), 3, 7))); // an older unit
        rig.image.setBaseAdv(17);
        rig.link.startProgram();
        QCOMPARE(rig.view.collectCalls, 1);
        QCOMPARE(rig.view.showCalls, 1);
        QCOMPARE(rig.view.messageText, QStringLiteral("Programing:"));
        QCOMPARE(rig.link.commandByte(), quint8(0x00));

        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x00);
        QCOMPARE(dataOf(rig.port.lastWrite()), withByte(unitPage0(), 3, 7));
        const QByteArray page1 = pageOf(rig.image, 1);

        rig.port.feed(testframes::frame(0x80, bytes(unitPage0())));
        rig.link.tick();
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(rig.link.identification().name, QStringLiteral("SIL13"));
        QCOMPARE(rig.view.progress, 1);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x01);
        QCOMPARE(dataOf(rig.port.lastWrite()), page1);

        rig.port.feed(testframes::frame(0x81, bytes(page1)));
        rig.link.tick();
        QVERIFY(rig.link.programmedOk());
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
        QCOMPARE(dataOf(rig.port.lastWrite()), page1);
        QCOMPARE(rig.view.messageText, QStringLiteral("Verify:"));

        rig.port.feed(testframes::frame(0xC1, bytes(page1)));
        rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Idle);

        // The unit stores the set and counts down from 53.
        const QList<int> countdown{53, 40, 27, 10, 1, 0};
        const QList<int> gauge{0, 0, 1, 2, 2, 3};
        for (int i = 0; i < countdown.size(); ++i) {
            rig.port.feed(testframes::Status()
                              .word(wire::status::SAVE_COUNTDOWN, quint16(countdown[i]))
                              .frame());
            rig.link.tick();
            QCOMPARE(rig.view.progress, gauge[i]);
            QCOMPARE(rig.view.messageText, QString(countdown[i] ? "Saving:" : "Programing: OK"));
        }
        const QStringList history = rig.view.messageHistory;
        QVERIFY(history.indexOf("Verify:") < history.indexOf("Saving:"));
        QCOMPARE(history.last(), QStringLiteral("Programing: OK"));
        QCOMPARE(pageOf(rig.image, 1), page1);

        // "Programing: OK" stays with a full gauge until the message time runs out.
        QCOMPARE(rig.link.messageTicks(), PollCycle::kMessageTicks - 2);
        rig.ticks(rig.link.messageTicks());
        QVERIFY(rig.view.messageVisible);
        QCOMPARE(rig.view.progress, PollCycle::kProgressMax);
        rig.link.tick();
        QVERIFY(!rig.view.messageVisible);
        QVERIFY(!rig.link.programmedOk());
    }

    // No status comes during the transaction; the last known one is from
    // before the write, so success waits for the unit to report the store.
    void programmingOkWaitsForTheUnit()
    {
        LinkRig rig;
        rig.link.startProgram();
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        rig.port.feed(testframes::frame(0x81, rig.image.page(1)));
        rig.link.tick();
        rig.port.feed(testframes::frame(0xC1, rig.image.page(1)));
        rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Idle);
        rig.ticks(PollCycle::kStatusPollTicks);
        QCOMPARE(rig.view.messageText, QStringLiteral("Saving:"));
        QCOMPARE(rig.view.progress, 0);
        QVERIFY(!rig.view.messageHistory.contains(QStringLiteral("Programing: OK")));

        rig.port.feed(testframes::Status().frame()); // stored at once
        rig.link.tick();
        QCOMPARE(rig.view.messageText, QStringLiteral("Programing: OK"));
        QCOMPARE(rig.view.progress, PollCycle::kProgressMax);
    }

    void savingBeyondFullCount_data()
    {
        QTest::addColumn<int>("countdown");
        QTest::addColumn<int>("gauge");
        QTest::newRow("full count") << 53 << 0;
        QTest::newRow("above the full count") << 60 << 0;
        QTest::newRow("largest count") << 65535 << 0;
        QTest::newRow("last step") << 1 << 2;
    }

    void savingBeyondFullCount()
    {
        QFETCH(int, countdown);
        QFETCH(int, gauge);
        LinkRig rig;
        rig.port.feed(
            testframes::Status().word(wire::status::SAVE_COUNTDOWN, quint16(countdown)).frame());
        rig.link.tick();
        QCOMPARE(rig.view.messageText, QStringLiteral("Saving:"));
        QCOMPARE(rig.view.progress, gauge);
        QCOMPARE(rig.link.messageTicks(), PollCycle::kMessageTicks - 1);
    }

    // The unit may still be storing an earlier set when the next transaction
    // fails; the red text must stay rather than give way to "Saving:".
    void failureStaysWhileTheUnitStores_data()
    {
        QTest::addColumn<int>("transaction");
        QTest::addColumn<bool>("afterProgramming");
        QTest::addColumn<QString>("error");
        QTest::newRow("program after a verified programming")
            << int(State::Programming) << true << "Program error!";
        QTest::newRow("verify after a verified programming")
            << int(State::Verifying) << true << "Verify error!";
        QTest::newRow("program while the unit reports storing")
            << int(State::Programming) << false << "Program error!";
        QTest::newRow("read while the unit reports storing")
            << int(State::Reading) << false << "Read error!";
    }

    void failureStaysWhileTheUnitStores()
    {
        QFETCH(int, transaction);
        QFETCH(bool, afterProgramming);
        LinkRig rig;
        if (afterProgramming) {
            rig.link.startProgram();
            QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
            rig.port.feed(testframes::frame(0x81, rig.image.page(1)));
            rig.link.tick();
            rig.port.feed(testframes::frame(0xC1, rig.image.page(1)));
        } else {
            rig.port.feed(testframes::Status().word(wire::status::SAVE_COUNTDOWN, 40).frame());
        }
        rig.link.tick();
        QCOMPARE(rig.view.messageText, QStringLiteral("Saving:"));

        // The unit falls silent.
        switch (State(transaction)) {
        case State::Programming:
            rig.link.startProgram();
            break;
        case State::Verifying:
            rig.link.startVerify();
            break;
        default:
            rig.link.startRead();
            break;
        }
        const int limit = PollCycle::kResendTicks * (PollCycle::kMaxSends + 1);
        for (int tick = 0; tick < limit && rig.link.linkState() != State::Idle; ++tick)
            rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Idle);
        rig.ticks(PollCycle::kStatusPollTicks);
        QTEST(rig.view.messageText, "error");
        QCOMPARE(rig.view.messageColour, LabelColour::Red);
        QVERIFY(!rig.link.programmedOk());
        QCOMPARE(rig.link.messageTicks(),
                 PollCycle::kMessageTicks - PollCycle::kStatusPollTicks - 1);
    }

    void programStopsAtVersion()
    {
        LinkRig rig;
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.link.startProgram();
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0(45))));
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(rig.view.versionBoxes.size(), 1);
        QCOMPARE(pageOf(rig.image, 0), unitPage0(45));
        QCOMPARE(pageOf(rig.image, 1), page1);
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x01), 0);
        QCOMPARE(rig.view.versionBoxes.size(), 1);
    }

    void programFailsOnWrongEcho()
    {
        LinkRig rig;
        const QByteArray page1 = pageOf(rig.image, 1);
        const QByteArray wrongEcho = withByte(page1, 2, quint8(page1[2] + 1));
        rig.link.startProgram();
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        for (int tick = 0; tick < PollCycle::kResendTicks * PollCycle::kMaxSends; ++tick) {
            rig.port.feed(testframes::frame(0x81, bytes(wrongEcho)));
            rig.link.tick();
        }
        QCOMPARE(rig.writesWithCode(0x01), PollCycle::kMaxSends);
        QCOMPARE(rig.view.messageText, QStringLiteral("Program error!"));
        QCOMPARE(rig.view.messageColour, LabelColour::Red);
        QVERIFY(!rig.link.programmedOk());
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(pageOf(rig.image, 1), page1);
    }

    void verifyCompares_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same page") << -1 << true;
        QTest::newRow("read protection is never compared") << 15 << true;
        QTest::newRow("base advance differs") << 2 << false;
        QTest::newRow("spare byte differs") << 19 << false;
        QTest::newRow("last advance differs") << 49 << false;
    }

    void verifyCompares()
    {
        QFETCH(int, byte);
        QFETCH(bool, matches);
        LinkRig rig;
        QByteArray answer = pageOf(rig.image, 1);
        if (byte >= 0)
            answer = withByte(answer, byte, quint8(answer[byte] ^ 1));
        rig.link.startVerify();
        QCOMPARE(rig.view.collectCalls, 1);
        QCOMPARE(rig.view.messageText, QStringLiteral("Verify:"));
        QVERIFY(rig.answerNext(0xC1, bytes(answer)));
        QCOMPARE(rig.link.linkState(), matches ? State::Idle : State::Verifying);
        if (matches) {
            QCOMPARE(rig.view.messageText, QStringLiteral("Verify: OK"));
            QCOMPARE(rig.view.progress, PollCycle::kProgressMax);
        }
    }

    void verifyErrorClearsProgrammedOk()
    {
        LinkRig rig;
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.link.startProgram();
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        rig.port.feed(testframes::frame(0x81, bytes(page1)));
        rig.link.tick();
        QVERIFY(rig.link.programmedOk());
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.view.messageText, QStringLiteral("Verify error!"));
        QCOMPARE(rig.view.messageColour, LabelColour::Red);
        QVERIFY(!rig.link.programmedOk());
    }

    void readingClearsProgrammedOk()
    {
        LinkRig rig;
        rig.link.startProgram();
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        rig.port.feed(testframes::frame(0x81, rig.image.page(1)));
        rig.link.tick();
        QVERIFY(rig.link.programmedOk());
        rig.link.startRead();
        QVERIFY(rig.link.programmedOk());
        rig.link.tick();
        QVERIFY(!rig.link.programmedOk());
    }

    void startRestartsTransaction()
    {
        LinkRig rig;
        const QByteArray page0 = pageOf(rig.image, 0);
        rig.link.startRead();
        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        rig.link.startProgram();
        QCOMPARE(rig.link.linkState(), State::Programming);
        QCOMPARE(rig.link.sendCount(), 0);
        rig.port.feed(testframes::frame(0xC0, bytes(unitPage0()))); // late answer to the read
        const int ticks = rig.ticksUntilWrite(PollCycle::kResendTicks);
        QVERIFY(ticks > 0);
        QCOMPARE(pageOf(rig.image, 0), page0);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x00);
        QCOMPARE(rig.link.linkState(), State::Programming);
    }

    void programAtOnce()
    {
        LinkRig rig;
        rig.link.startProgramAtOnce();
        QCOMPARE(rig.view.collectCalls, 0);
        QCOMPARE(rig.view.showCalls, 0);
        QCOMPARE(rig.view.messageText, QStringLiteral("Programing"));
        QCOMPARE(rig.view.messageColour, LabelColour::Normal);
        QVERIFY(rig.view.messageVisible);
        QVERIFY(rig.view.progressVisible);
        QCOMPARE(rig.link.linkState(), State::Programming);
        QCOMPARE(rig.link.commandByte(), quint8(0x00));
        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x00);
    }
};

QTEST_APPLESS_MAIN(TestTransactions)
#include "tst_transactions.moc"
