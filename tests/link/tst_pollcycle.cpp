#include "LinkRig.h"

#include <QtTest>

namespace st = wire::status;
using State = PollCycle::LinkState;

Q_DECLARE_METATYPE(State)

namespace {

enum class Start
{
    None,
    Read,
    Program,
    Verify
};

void start(LinkRig &rig, Start which)
{
    switch (which) {
    case Start::Read:
        rig.link.startRead(rig.image);
        break;
    case Start::Program:
        rig.link.startProgram(rig.image);
        break;
    case Start::Verify:
        rig.link.startVerify(rig.image);
        break;
    case Start::None:
        break;
    }
}

// Notes its name at every tick's end; may destroy another listener, or itself, when it hears one.
struct NamedListener : LinkListener
{
    NamedListener(QString name, QStringList &heard) : name(std::move(name)), heard(heard) {}
    void tickEnded() override
    {
        heard << name;
        destroyAtTick.reset();
    }
    QString name;
    QStringList &heard;
    std::unique_ptr<NamedListener> destroyAtTick;
};

} // namespace

Q_DECLARE_METATYPE(Start)
Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(SequenceKind)

class TestPollCycle : public QObject
{
    Q_OBJECT

private slots:
    void openComPort_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<bool>("failOpen");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("failed");

        QTest::newRow("COM1") << 1 << false << true << false;
        QTest::newRow("COM10") << 10 << false << true << false;
        QTest::newRow("port 0 opens nothing silently") << 0 << false << false << false;
        QTest::newRow("port 11 opens nothing silently") << 11 << false << false << false;
        QTest::newRow("busy device fails") << 3 << true << false << true;
    }

    void openComPort()
    {
        QFETCH(int, comPort);
        QFETCH(bool, failOpen);
        QFETCH(bool, opened);
        QFETCH(bool, failed);
        LinkRig rig;
        rig.port.failOpen = failOpen;
        const int opensBefore = rig.port.openCalls;
        QCOMPARE(rig.link.openComPort(comPort, QStringLiteral("/dev/ttyUSB4")), !failed);
        QCOMPARE(rig.port.isOpen(), opened);
        QCOMPARE(rig.port.openCalls - opensBefore, (comPort >= 1 && comPort <= 10) ? 1 : 0);
        if (failed)
            QCOMPARE(rig.link.portError(), QStringLiteral("device busy"));
        // Whatever the outcome, the port that was open before is closed.
        QCOMPARE(rig.port.closeCalls, 1);
        // A closed port only leads to "no connection".
        rig.ticks(PollCycle::kWatchdogTicks + 1);
        QVERIFY(rig.link.noConnection());
    }

    void idleStatusPoll()
    {
        LinkRig rig;
        rig.ticks(PollCycle::kStatusPollTicks - 1);
        QVERIFY(rig.port.writes.empty());
        rig.link.tick();
        QCOMPARE(rig.port.writes.size(), size_t(1));
        QCOMPARE(rig.port.lastWrite(), LinkFrame::statusRequest().bytes());
        QCOMPARE(rig.port.log, QStringList({"write 30", "waitSent"}));
        rig.ticks(PollCycle::kStatusPollTicks);
        QCOMPARE(rig.port.writes.size(), size_t(2));
    }

    void receive_data()
    {
        QTest::addColumn<int>("junk"); // bytes after one status answer; -1: 51 bytes only
        QTest::addColumn<QList<qint64>>("reads");
        QTest::addColumn<bool>("monitorShown");

        QTest::newRow("51 bytes wait") << -1 << QList<qint64>() << false;
        QTest::newRow("one frame") << 0 << QList<qint64>({52}) << true;
        QTest::newRow("frame and more, all read") << 100 << QList<qint64>({152}) << true;
        QTest::newRow("beyond the cap, rest on the next tick")
            << 15008 << QList<qint64>({15000, 60}) << true;
    }

    void receive()
    {
        QFETCH(int, junk);
        QFETCH(QList<qint64>, reads);
        QFETCH(bool, monitorShown);
        LinkRig rig;
        QByteArray incoming = testframes::Status().word(st::ENGINE_RPM, 1).frame();
        if (junk < 0)
            incoming.chop(1);
        else
            incoming += QByteArray(junk, '\x55');
        rig.port.feed(incoming);
        rig.ticks(2);
        QCOMPARE(rig.port.reads, reads);
        QCOMPARE(rig.listener.statuses, monitorShown ? 1 : 0);
        if (junk < 0)
            QCOMPARE(rig.port.incoming.size(), 51);
    }

    void acceptance_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("soundCheck");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<State>("stateAfter");

        QTest::newRow("0xC1 while 0x41 pending")
            << Start::Verify << 0xC1 << true << true << State::Idle;
        QTest::newRow("0xC1 while 0x40 pending")
            << Start::Read << 0xC1 << true << false << State::Reading;
        QTest::newRow("0xC1 with a bad check")
            << Start::Verify << 0xC1 << false << false << State::Verifying;
        QTest::newRow("page answer while idle")
            << Start::None << 0xC0 << true << false << State::Idle;
        QTest::newRow("status mid-transaction")
            << Start::Verify << 0xB0 << true << true << State::Verifying;
        QTest::newRow("status while idle") << Start::None << 0xB0 << true << true << State::Idle;
        QTest::newRow("status with a bad check")
            << Start::None << 0xB0 << false << false << State::Idle;
    }

    void acceptance()
    {
        QFETCH(Start, start);
        QFETCH(int, code);
        QFETCH(bool, soundCheck);
        QFETCH(bool, accepted);
        QFETCH(State, stateAfter);
        LinkRig rig;
        rig.ticks(3);
        ::start(rig, start);
        const ParameterSet before = rig.image;

        QByteArray frame;
        if (code == 0xB0)
            frame = testframes::Status().frame();
        else if (code == 0xC0)
            frame = testframes::frame(quint8(code), bytes(unitPage0()));
        else
            frame = testframes::frame(quint8(code), rig.image.page(1));
        if (!soundCheck)
            frame[51] = char(frame[51] ^ 1);
        rig.port.feed(frame);
        rig.link.tick();

        QCOMPARE(rig.link.watchdogTicks(), accepted ? 1 : 4);
        QCOMPARE(rig.link.linkState(), stateAfter);
        QCOMPARE(rig.image, before);
    }

    void firstSend_data()
    {
        QTest::addColumn<int>("idleTicks");
        QTest::addColumn<int>("ticksToSend");

        for (int idle = 0; idle < PollCycle::kStatusPollTicks; ++idle) {
            QTest::addRow("after %d idle ticks", idle)
                << idle << std::max(1, PollCycle::kResendTicks - idle);
        }
    }

    void firstSend()
    {
        QFETCH(int, idleTicks);
        QFETCH(int, ticksToSend);
        LinkRig rig;
        rig.ticks(idleTicks);
        rig.link.startVerify(rig.image);
        QCOMPARE(rig.ticksUntilWrite(PollCycle::kResendTicks), ticksToSend);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x41);
    }

    void resendsThenError_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<int>("code");
        QTest::addColumn<Phase>("phase");

        QTest::newRow("read") << Start::Read << 0x40 << Phase::Read;
        QTest::newRow("program") << Start::Program << 0x00 << Phase::Program;
        QTest::newRow("verify") << Start::Verify << 0x41 << Phase::Verify;
    }

    void resendsThenError()
    {
        QFETCH(Start, start);
        QFETCH(int, code);
        QFETCH(Phase, phase);
        LinkRig rig;
        rig.ticks(2);
        ::start(rig, start);
        QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        const LinkFrame::Bytes first = rig.port.lastWrite();
        QCOMPARE(int(first[0]), code);

        for (int send = 2; send <= PollCycle::kMaxSends; ++send)
            QCOMPARE(rig.ticksUntilWrite(PollCycle::kResendTicks), PollCycle::kResendTicks);
        QCOMPARE(rig.writesWithCode(quint8(code)), PollCycle::kMaxSends);
        QCOMPARE(int(rig.port.writes.size()), PollCycle::kMaxSends);
        QVERIFY(rig.port.lastWrite() == first);
        QVERIFY(!rig.port.log.contains(QStringLiteral("waitSent")));

        rig.ticks(PollCycle::kResendTicks - 1);
        QVERIFY(rig.link.linkState() != State::Idle);
        QVERIFY(!rig.listener.ended());
        rig.link.tick();
        QCOMPARE(rig.link.linkState(), State::Idle);
        QCOMPARE(int(rig.listener.ends.size()), 1);
        QCOMPARE(rig.listener.lastEnd().outcome, Outcome::Failed);
        QCOMPARE(rig.listener.lastEnd().phase, phase);
        QCOMPARE(rig.listener.lastEnd().exchange, ExchangeEnd::TimedOut);
        QCOMPARE(int(rig.port.writes.size()), PollCycle::kMaxSends);

        QCOMPARE(rig.ticksUntilWrite(PollCycle::kStatusPollTicks), PollCycle::kStatusPollTicks);
        QCOMPARE(int(rig.port.lastWrite()[0]), 0x30);
    }

    void watchdog()
    {
        LinkRig rig;
        rig.port.feed(testframes::Status().frame());
        rig.link.tick();
        for (int i = 1; i < PollCycle::kWatchdogTicks; ++i) {
            rig.link.tick();
            QVERIFY(!rig.link.noConnection());
        }
        rig.link.tick();
        QVERIFY(rig.link.noConnection());

        rig.ticks(PollCycle::kWatchdogTicks);
        QVERIFY(rig.link.noConnection());
        rig.port.feed(testframes::Status().frame());
        rig.link.tick();
        QVERIFY(!rig.link.noConnection());
    }

    // A transaction answer keeps the connection as a status answer does.
    void answerFeedsWatchdog()
    {
        LinkRig rig;
        rig.ticks(PollCycle::kWatchdogTicks + 1);
        QVERIFY(rig.link.noConnection());
        rig.link.startVerify(rig.image);
        QVERIFY(rig.answerNext(0xC1, rig.image.page(1)));
        QVERIFY(!rig.link.noConnection());
    }

    void statusThroughLink()
    {
        LinkRig rig;
        rig.port.feed(testframes::Status()
                          .word(st::ENGINE_RPM, 1600)
                          .set(st::PICKUP_SIGNAL, 1)
                          .set(st::EE_DATA_ERROR, 1)
                          .word(st::SAVE_COUNTDOWN, 7)
                          .frame());
        rig.link.tick();
        QCOMPARE(rig.link.engineSpeed(), quint16(1600));
        QCOMPARE(rig.link.saveCountdown(), quint16(7));
        QCOMPARE(rig.listener.statuses, 1);
        QCOMPARE(rig.listener.lastStatus->engineSpeed, quint16(1600));
        QVERIFY(rig.listener.lastStatus->pickup);
        QVERIFY(rig.listener.lastStatus->eeDataError);
        QVERIFY(rig.listener.lastStatus->versionMatches());

        // When answers stop the speed stays.
        rig.ticks(PollCycle::kWatchdogTicks + 1);
        QCOMPARE(rig.link.engineSpeed(), quint16(1600));
    }

    void deviceLost_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<int>("ticksBefore"); // after the start
        QTest::addColumn<SequenceKind>("kind");

        QTest::newRow("idle") << Start::None << 3 << SequenceKind::Read;
        QTest::newRow("read") << Start::Read << 2 << SequenceKind::Read;
        QTest::newRow("program, page 0 sent") << Start::Program << 4 << SequenceKind::Program;
        QTest::newRow("verify") << Start::Verify << 1 << SequenceKind::Verify;
    }

    // A pulled device: the port closes, a running sequence fails at once,
    // and nothing but status polls follows once it opens again.
    void deviceLost()
    {
        QFETCH(Start, start);
        QFETCH(int, ticksBefore);
        QFETCH(SequenceKind, kind);
        LinkRig rig;
        ::start(rig, start);
        rig.ticks(ticksBefore);
        const ParameterSet before = rig.image;
        const QString device = rig.port.openedPath;

        rig.port.pull();
        rig.link.tick();
        QVERIFY(rig.link.deviceLost());
        QCOMPARE(rig.listener.portEvents, QStringList{QStringLiteral("lost ") + device});
        QCOMPARE(rig.link.linkState(), State::Idle);
        if (start == Start::None) {
            QVERIFY(!rig.listener.ended());
        } else {
            QCOMPARE(int(rig.listener.ends.size()), 1);
            QCOMPARE(rig.listener.lastEnd().sequence, kind);
            QCOMPARE(rig.listener.lastEnd().outcome, Outcome::Failed);
            QVERIFY(rig.listener.lastEnd().deviceLost);
        }
        QVERIFY(rig.image == before);

        const size_t writes = rig.port.writes.size();
        const int opens = rig.port.openCalls;
        rig.ticks(3 * PollCycle::kReopenTicks);
        QCOMPARE(rig.port.writes.size(), writes);
        QCOMPARE(rig.port.openCalls - opens, 3);
        QCOMPARE(rig.listener.portEvents.size(), 1);

        rig.port.plugIn();
        rig.ticks(PollCycle::kReopenTicks);
        QVERIFY(!rig.link.deviceLost());
        QVERIFY(rig.port.isOpen());
        QCOMPARE(rig.port.openedPath, device);
        QCOMPARE(rig.listener.portEvents.last(), QStringLiteral("back ") + device);
        QVERIFY(rig.port.writes.size() > writes);
        for (size_t n = writes; n < rig.port.writes.size(); ++n)
            QCOMPARE(int(rig.port.writes[n][0]), 0x30);
        rig.port.feed(testframes::Status().frame());
        rig.link.tick();
        QVERIFY(!rig.link.noConnection());
        QVERIFY(rig.image == before);
    }

    // Another port chosen, or the port closed, ends the tries to reopen.
    void closeEndsReopening()
    {
        LinkRig rig;
        rig.port.pull();
        rig.link.tick();
        rig.link.closeComPort();
        const int opens = rig.port.openCalls;
        rig.port.plugIn();
        rig.ticks(2 * PollCycle::kReopenTicks);
        QVERIFY(!rig.link.deviceLost());
        QCOMPARE(rig.port.openCalls, opens);
        QVERIFY(!rig.port.isOpen());
    }

    // The listener hears every tick, and the idle step only while nothing runs.
    void tickSteps()
    {
        LinkRig rig;
        rig.ticks(2);
        QCOMPARE(rig.listener.idleSteps, 2);
        rig.link.startRead(rig.image);
        rig.ticks(3);
        QCOMPARE(rig.listener.idleSteps, 2);
        QCOMPARE(rig.listener.ticks, 5);
    }
    // Listeners hear in the order added; one destroyed drops out, also when
    // another listener destroys it in the middle of a tick, and the link goes on.
    void listeners_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("none") << QString() << QStringList{"a", "b", "c"};
        QTest::newRow("b destroyed") << "destroy b" << QStringList{"a", "c"};
        QTest::newRow("b removed") << "remove b" << QStringList{"a", "c"};
        QTest::newRow("a added again") << "add a" << QStringList{"b", "c", "a"};
        QTest::newRow("a destroys c during the tick") << "a destroys c" << QStringList{"a", "b"};
        QTest::newRow("a destroys b during the tick") << "a destroys b" << QStringList{"a", "c"};
    }

    void listeners()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, after);
        LinkRig rig;
        QStringList heard;
        NamedListener a(QStringLiteral("a"), heard);
        auto b = std::make_unique<NamedListener>(QStringLiteral("b"), heard);
        auto c = std::make_unique<NamedListener>(QStringLiteral("c"), heard);
        for (LinkListener *listener :
             {static_cast<LinkListener *>(&a), static_cast<LinkListener *>(b.get()),
              static_cast<LinkListener *>(c.get())})
            rig.link.addListener(*listener);
        rig.ticks(1);
        QCOMPARE(heard, (QStringList{"a", "b", "c"}));

        if (change == QLatin1String("destroy b"))
            b.reset();
        else if (change == QLatin1String("remove b"))
            rig.link.removeListener(*b);
        else if (change == QLatin1String("add a"))
            rig.link.addListener(a);
        else if (change == QLatin1String("a destroys c"))
            a.destroyAtTick = std::move(c);
        else if (change == QLatin1String("a destroys b"))
            a.destroyAtTick = std::move(b);
        heard.clear();
        rig.ticks(2);
        QCOMPARE(heard, after + after);
        // The link itself goes on: the first listener still hears its status polls.
        QVERIFY(rig.listener.ticks == 3);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestPollCycle)
#include "tst_pollcycle.moc"
