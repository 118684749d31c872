#include "LinkRig.h"
#include "UnitInfo.h"

#include <QtTest>

using State = PollCycle::LinkState;

Q_DECLARE_METATYPE(Outcome)

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
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("unit set already normal") << false << Outcome::Ok;
        QTest::newRow("normalisation changes the set") << true << Outcome::Failed;
    }

    void readThenVerify()
    {
        QFETCH(bool, normalisationChanges);
        QFETCH(Outcome, outcome);
        LinkRig rig;
        ParameterSet unit = unitSet();
        if (normalisationChanges)
            unit.setRpmAdv(1, unit.rpmAdv(0)); // a tie the range rule raises
        const QByteArray unitPage1 = pageOf(unit, 1);

        rig.link.startRead(rig.image);
        QCOMPARE(rig.link.linkState(), State::Reading);

        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0())));
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(rig.listener.unitInfos, 1);
        QCOMPARE(decodeUnitInfo(rig.image.page(0)).name, QStringLiteral("SIL13"));
        QCOMPARE(rig.listener.progress, QList<int>({1}));
        // The page-1 read went out at once and carries zeros.
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
        QCOMPARE(dataOf(rig.port.lastWrite()), QByteArray(50, '\0'));
        QCOMPARE(rig.link.sendCount(), 1);

        const int changesBefore = rig.listener.setChanges;
        rig.port.feed(testframes::frame(0xC1, bytes(unitPage1)));
        rig.link.tick();
        ParameterSet expected = unit;
        expected.NormaliseParameterSet();
        QCOMPARE(pageOf(rig.image, 1), pageOf(expected, 1));
        QCOMPARE(rig.listener.setChanges, changesBefore + 1);
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QCOMPARE(rig.listener.phases, QList<Phase>({Phase::Verify}));
        QCOMPARE(rig.listener.progress.last(), 0);
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
        QCOMPARE(int(rig.listener.ends.size()), 1);
        const SequenceEnd &end = rig.listener.lastEnd();
        QCOMPARE(end.sequence, SequenceKind::Read);
        QCOMPARE(end.outcome, outcome);
        QCOMPARE(end.phase, Phase::Verify);
        if (outcome == Outcome::Failed)
            QCOMPARE(end.exchange, ExchangeEnd::BadAnswer);
        QCOMPARE(rig.link.saveCountdown(), quint16(0));
    }

    // The unit's set goes into a separate set: the window's image, the
    // normalisation and the page reports are left alone.
    void readOnly()
    {
        LinkRig rig;
        ParameterSet unit = unitSet();
        unit.setRpmAdv(1, unit.rpmAdv(0)); // a set the normalisation would change
        const ParameterSet before = rig.image;
        ParameterSet into;
        rig.link.startReadOnly(into);
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0())));
        QCOMPARE(rig.link.linkState(), State::Reading);
        QVERIFY(rig.answerNext(0xC1, unit.page(1)));
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QCOMPARE(dataOf(rig.port.lastWrite()), pageOf(unit, 1));
        rig.port.feed(testframes::frame(0xC1, unit.page(1)));
        rig.link.tick();

        QCOMPARE(int(rig.listener.ends.size()), 1);
        QCOMPARE(rig.listener.lastEnd().sequence, SequenceKind::ReadOnly);
        QCOMPARE(rig.listener.lastEnd().outcome, Outcome::Ok);
        QCOMPARE(pageOf(into, 0), unitPage0());
        QCOMPARE(pageOf(into, 1), pageOf(unit, 1));
        QCOMPARE(rig.image, before);
        QCOMPARE(rig.listener.unitInfos, 0);
        QCOMPARE(rig.listener.setChanges, 0);
    }

    void readStops_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("readAllowed");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("other version") << false << 45 << 1 << Outcome::VersionMismatch;
        QTest::newRow("no reading") << false << 46 << 0 << Outcome::ReadProtected;
        QTest::newRow("read-only, other version") << true << 45 << 1 << Outcome::VersionMismatch;
        QTest::newRow("read-only, no reading") << true << 46 << 0 << Outcome::ReadProtected;
    }

    void readStops()
    {
        QFETCH(bool, readOnly);
        QFETCH(int, version);
        QFETCH(int, readAllowed);
        QFETCH(Outcome, outcome);
        LinkRig rig;
        const ParameterSet before = rig.image;
        ParameterSet separate = before;
        ParameterSet &target = readOnly ? separate : rig.image;
        readOnly ? rig.link.startReadOnly(separate) : rig.link.startRead(rig.image);
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0(version, readAllowed))));

        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(int(rig.listener.ends.size()), 1);
        QCOMPARE(rig.listener.lastEnd().outcome, outcome);
        QCOMPARE(rig.listener.lastEnd().unitVersion,
                 outcome == Outcome::VersionMismatch ? version : 0);
        QCOMPARE(pageOf(target, 0), unitPage0(version, readAllowed));
        QCOMPARE(pageOf(target, 1), pageOf(before, 1));
        QCOMPARE(rig.listener.unitInfos, readOnly ? 0 : 1);
        QCOMPARE(rig.listener.setChanges, readOnly ? 0 : 1);
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x41), 0);
        QCOMPARE(int(rig.listener.ends.size()), 1);
    }

    void readFailsAfterPage0()
    {
        LinkRig rig;
        const ParameterSet before = rig.image;
        rig.link.startRead(rig.image);
        QVERIFY(rig.answerNext(0xC0, bytes(unitPage0())));
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x41), PollCycle::kMaxSends);
        QCOMPARE(rig.listener.lastEnd().outcome, Outcome::Failed);
        QCOMPARE(rig.listener.lastEnd().phase, Phase::Read);
        QCOMPARE(rig.listener.lastEnd().exchange, ExchangeEnd::TimedOut);
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(pageOf(rig.image, 1), pageOf(before, 1));
    }

    void programSucceeds()
    {
        LinkRig rig;
        rig.image.setPage(0, bytes(withByte(unitPage0(), 3, 7))); // an older unit
        rig.image.setBaseAdv(17);
        rig.link.startProgram(rig.image);
        QCOMPARE(rig.link.commandByte(), quint8(0x00));

        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x00);
        QCOMPARE(dataOf(rig.port.lastWrite()), withByte(unitPage0(), 3, 7));
        const QByteArray page1 = pageOf(rig.image, 1);

        rig.port.feed(testframes::frame(0x80, bytes(unitPage0())));
        rig.link.tick();
        QCOMPARE(pageOf(rig.image, 0), unitPage0());
        QCOMPARE(rig.listener.unitInfos, 1);
        QCOMPARE(rig.listener.setChanges, 1);
        QCOMPARE(rig.listener.progress, QList<int>({1}));
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x01);
        QCOMPARE(dataOf(rig.port.lastWrite()), page1);

        rig.port.feed(testframes::frame(0x81, bytes(page1)));
        rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QCOMPARE(rig.listener.phases, QList<Phase>({Phase::Verify}));
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
        QCOMPARE(dataOf(rig.port.lastWrite()), page1);

        rig.port.feed(testframes::frame(0xC1, bytes(page1)));
        rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(rig.listener.lastEnd(),
                 (SequenceEnd{SequenceKind::Program, Phase::Verify, Outcome::Ok}));
        QCOMPARE(rig.listener.progress, QList<int>({1, 0, PollCycle::kProgressMax}));
        QCOMPARE(pageOf(rig.image, 1), page1);
    }

    // No status comes during the sequence; the last known one is from
    // before the write, so the store counts as just begun until the unit
    // reports on it.
    void programmingCountsTheStore_data()
    {
        QTest::addColumn<bool>("verified");
        QTest::newRow("verified") << true;
        QTest::newRow("verify fails") << false;
    }

    void programmingCountsTheStore()
    {
        QFETCH(bool, verified);
        LinkRig rig;
        rig.link.startProgram(rig.image);
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        rig.port.feed(testframes::frame(0x81, rig.image.page(1)));
        rig.link.tick();
        if (verified) {
            rig.port.feed(testframes::frame(0xC1, rig.image.page(1)));
            rig.link.tick();
        } else {
            rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
            QCOMPARE(rig.listener.lastEnd().phase, Phase::Verify);
            QCOMPARE(rig.listener.lastEnd().outcome, Outcome::Failed);
        }
        QCOMPARE(rig.link.linkState(), State::Idle);
        const quint16 counted = verified ? wire::status::kSaveFullCount : 0;
        QCOMPARE(rig.link.saveCountdown(), counted);
        rig.ticks(PollCycle::kStatusPollTicks);
        QCOMPARE(rig.link.saveCountdown(), counted);

        rig.port.feed(testframes::Status().frame()); // stored at once
        rig.link.tick();
        QCOMPARE(rig.link.saveCountdown(), quint16(0));
    }

    void programStopsAtVersion()
    {
        LinkRig rig;
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.link.startProgram(rig.image);
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0(45))));
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(rig.listener.lastEnd(),
                 (SequenceEnd{SequenceKind::Program, Phase::Program, Outcome::VersionMismatch,
                              ExchangeEnd::Answered, 45}));
        QCOMPARE(pageOf(rig.image, 0), unitPage0(45));
        QCOMPARE(pageOf(rig.image, 1), page1);
        rig.ticks(PollCycle::kResendTicks * PollCycle::kMaxSends);
        QCOMPARE(rig.writesWithCode(0x01), 0);
        QCOMPARE(int(rig.listener.ends.size()), 1);
    }

    void programFailsOnWrongEcho()
    {
        LinkRig rig;
        const QByteArray page1 = pageOf(rig.image, 1);
        const QByteArray wrongEcho = withByte(page1, 2, quint8(page1[2] + 1));
        rig.link.startProgram(rig.image);
        QVERIFY(rig.answerNext(0x80, bytes(unitPage0())));
        for (int tick = 0; tick < PollCycle::kResendTicks * PollCycle::kMaxSends; ++tick) {
            rig.port.feed(testframes::frame(0x81, bytes(wrongEcho)));
            rig.link.tick();
        }
        QCOMPARE(rig.writesWithCode(0x01), PollCycle::kMaxSends);
        QCOMPARE(rig.listener.lastEnd(), (SequenceEnd{SequenceKind::Program, Phase::Program,
                                                      Outcome::Failed, ExchangeEnd::BadAnswer}));
        QCOMPARE(rig.link.saveCountdown(), quint16(0));
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
        rig.link.startVerify(rig.image);
        QCOMPARE(rig.link.linkState(), State::Verifying);
        QVERIFY(rig.answerNext(0xC1, bytes(answer)));
        QCOMPARE(rig.link.linkState(), matches ? State::Idle : State::Verifying);
        QCOMPARE(rig.listener.ended(), matches);
        if (matches) {
            QCOMPARE(rig.listener.lastEnd(),
                     (SequenceEnd{SequenceKind::Verify, Phase::Verify, Outcome::Ok}));
            QCOMPARE(rig.listener.progress, QList<int>({PollCycle::kProgressMax}));
        }
    }

    void startRestartsTransaction()
    {
        LinkRig rig;
        const QByteArray page0 = pageOf(rig.image, 0);
        rig.link.startRead(rig.image);
        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        rig.link.startProgram(rig.image);
        QCOMPARE(rig.link.linkState(), State::Programming);
        QCOMPARE(rig.link.sendCount(), 0);
        rig.port.feed(testframes::frame(0xC0, bytes(unitPage0()))); // late answer to the read
        const int ticks = rig.ticksUntilWrite(PollCycle::kResendTicks);
        QVERIFY(ticks > 0);
        QCOMPARE(pageOf(rig.image, 0), page0);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x00);
        QCOMPARE(rig.link.linkState(), State::Programming);
        QVERIFY(!rig.listener.ended());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestTransactions)
#include "tst_transactions.moc"
