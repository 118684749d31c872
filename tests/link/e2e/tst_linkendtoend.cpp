#include "LinkRunChecks.h"
#include "SimLink.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace e2e;

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

// The status poll as it must leave the port: 0x30, fifty zeros, 0xCF.
QByteArray statusPoll()
{
    QByteArray frame(wire::kFrameSize, '\0');
    frame[0] = char(0x30);
    frame[wire::kCheckIndex] = char(0xCF);
    return frame;
}

} // namespace

class TestLinkEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void readTakesTheUnitsSet()
    {
        const QByteArray unitPage = pageOf(parameterSet(1), 1);
        SimLink rig;
        QVERIFY(rig.start({"--page1-hex", hexOf(unitPage)}));
        rig.presenter.startRead();
        QVERIFY(rig.tickUntil([&] { return verifyEnded(rig); },
                              e2e::transactionTicks(e2e::kReadPages)));

        QCOMPARE(rig.view.messageHistory, QStringList({"Read:", "Verify:", "Verify: OK"}));
        QCOMPARE(rig.view.messageColour, LabelColour::Normal);
        QCOMPARE(pageOf(rig.image, 1), unitPage);
        QCOMPARE(rig.unitPage1(), unitPage);
        QCOMPARE(rig.view.unitTexts, (UnitIdentification{"SIL13", " 5.10.2023", "14:07"}));
        QCOMPARE(int(rig.image.at(wire::info::FORMAT_VERSION)), wire::PC_FORMAT_VERSION);

        // Page 0 read, page 1 read with zeros, page 1 verified with the set read.
        const QList<Request> requests = requestsSent(rig.port);
        QCOMPARE(codesOf(requests), QList<int>({0x40, 0x41, 0x41}));
        QVERIFY(withinResendRules(requests));
        QCOMPARE(requests[1].data, QByteArray(wire::kFrameDataSize, '\0'));
        QCOMPARE(requests[2].data, unitPage);
    }

    void programStoresTheSet()
    {
        SimLink rig;
        QVERIFY(rig.start({"--prog-count", "7"}));
        rig.image = parameterSet(2);
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.presenter.startProgram();
        QVERIFY(rig.tickUntil([&] { return programEnded(rig); },
                              e2e::transactionTicks(e2e::kProgramPages) + kSaveTicks));

        QCOMPARE(rig.view.messageHistory, QStringList({"Programing:", "Verify:", "Verify: OK",
                                                       "Saving:", "Programing: OK"}));
        QCOMPARE(rig.view.messageColour, LabelColour::Normal);
        // The gauge starts again and rises to full while the unit stores;
        // which steps it shows depends on when the status polls come.
        const QList<int> gauge = rig.view.progressHistory;
        const QList<int> storing = gauge.mid(gauge.indexOf(PollCycle::kProgressMax) + 1);
        QVERIFY2(storing.size() >= 2 && storing.first() == 0 &&
                     storing.last() == PollCycle::kProgressMax &&
                     std::is_sorted(storing.begin(), storing.end()),
                 qPrintable(QString::number(storing.size())));

        QCOMPARE(pageOf(rig.image, 1), page1);
        QCOMPARE(rig.unitPage1(), page1);
        QCOMPARE(rig.view.unitTexts.name, QStringLiteral("SIL13"));
        QCOMPARE(rig.view.monitorTexts[int(MonitorLabel::LabelPocetProgramovani)],
                 QStringLiteral("Number of Programing= 8"));

        const QList<Request> requests = requestsSent(rig.port);
        QCOMPARE(codesOf(requests), QList<int>({0x00, 0x01, 0x41}));
        QVERIFY(withinResendRules(requests));
        QCOMPARE(requests[0].data, QByteArray(wire::kFrameDataSize, '\0'));
        QCOMPARE(requests[1].data, page1);
        QCOMPARE(requests[2].data, page1);
    }

    void idlePollsEverySixTicks()
    {
        SimLink rig;
        QVERIFY(rig.start({"--rpm", "3000", "--verbose"}));
        const int polls = 5;
        rig.tickFor(polls * PollCycle::kStatusPollTicks);
        // The unit's test value 1 counts the requests it took.
        const auto &requestCount = rig.view.monitorTexts[int(MonitorLabel::LabelTest1)];
        QVERIFY(
            rig.tickUntil([&] { return requestCount == QStringLiteral("Test1 = %1 ").arg(polls); },
                          e2e::kLateAnswerTicks));

        // The polls keep their period whenever the answers come.
        const QList<int> sentTicks = rig.port.ticksOf(wire::CMD_STATUS);
        QVERIFY(sentTicks.size() >= polls);
        QCOMPARE(sentTicks.first(), PollCycle::kStatusPollTicks);
        QVERIFY(evenlySpaced(sentTicks, PollCycle::kStatusPollTicks));
        QCOMPARE(rig.port.sent().size(), sentTicks.size());
        for (const TappedPort::Sent &s : rig.port.sent())
            QCOMPARE(bytesOf(s.bytes), statusPoll());

        // The unit took each poll whole and answered it, and threw no byte away.
        for (int i = 0; i < polls; ++i)
            QVERIFY(rig.sim.takeLine("0x30 -> 0xb0", e2e::kProcessMs));
        QVERIFY(!rig.sim.lines().join('\n').contains("bad frame"));
        QCOMPARE(rig.view.monitorTexts[int(MonitorLabel::LabelTest2)],
                 QStringLiteral("Test2 = 0 "));
        QCOMPARE(rig.view.monitorTexts[int(MonitorLabel::LabelRpm)], QStringLiteral("RPM = 3000 "));
        QVERIFY(!rig.view.connectionVisible);
        QVERIFY(!rig.view.versionVisible);
    }

    void faultyLine_data()
    {
        QTest::addColumn<QStringList>("faults");
        // Answers that come in pieces over a real line; the other faults are
        // driven in process (tst_simulatedunit.cpp).
        QTest::newRow("stray bytes and split answers") << QStringList{"--garbage", "--split", "7"};
    }

    // Whatever the line does, each transaction ends, and a success means the
    // window and the unit hold the same set.
    void faultyLine()
    {
        QFETCH(QStringList, faults);
        SimLink rig;
        QVERIFY(rig.start(faults + QStringList{"--seed", "7", "--save-step", "1"}));
        faultyRounds(rig);
    }
    void cablePulledAndPluggedIn_data()
    {
        QTest::addColumn<bool>("programming");
        QTest::newRow("idle") << false;
        QTest::newRow("program running at the pull") << true;
    }

    // The device goes away under the open port and comes back at the same
    // path: the port closes, a running Program fails, and the status poll
    // resumes without a click; nothing but status polls goes out after.
    void cablePulledAndPluggedIn()
    {
        QFETCH(bool, programming);
        QTemporaryDir dir;
        const QString linkPath = dir.filePath(QStringLiteral("unit"));
        SimLink rig;
        QVERIFY(rig.start({QStringLiteral("--link"), linkPath}));
        rig.presenter.openComPort(PollCycle::kFirstComPort, linkPath);
        QVERIFY(rig.port.isOpen());
        QVERIFY(
            rig.tickUntil([&] { return rig.link.watchdogTicks() == 1; }, e2e::kLateAnswerTicks));
        const ParameterSet before = rig.image;
        if (programming) {
            rig.sim.command("fault silent on");
            QVERIFY(rig.sim.takeLine("OK fault silent on", e2e::kProcessMs));
            rig.presenter.startProgram();
            rig.tickFor(PollCycle::kResendTicks);
        }

        rig.sim.command("unplug");
        QVERIFY(rig.sim.takeLine("OK unplug", e2e::kProcessMs));
        QVERIFY(rig.tickUntil([&] { return rig.link.deviceLost(); }, e2e::kLateAnswerTicks));
        QVERIFY(!rig.port.isOpen());
        QCOMPARE(rig.view.statusNotes,
                 QStringList{rig.messages.text(lang::Msg::DeviceLost).arg(linkPath)});
        if (programming) {
            QVERIFY(rig.idle());
            QCOMPARE(rig.view.messageText, rig.messages.text(lang::Msg::ProgramError));
            QCOMPARE(rig.view.messageColour, LabelColour::Red);
        }
        QVERIFY(rig.image == before);
        const int sentAtPull = int(rig.port.sent().size());

        if (programming)
            rig.sim.command("fault silent off");
        rig.sim.command("plug");
        QVERIFY(rig.sim.takeLine("OK plug", e2e::kProcessMs));
        const QString back = rig.messages.text(lang::Msg::DeviceBack).arg(linkPath);
        QVERIFY(rig.tickUntil([&] { return rig.view.statusNotes.contains(back); },
                              3 * PollCycle::kReopenTicks));
        QVERIFY(
            rig.tickUntil([&] { return rig.link.watchdogTicks() == 1; }, e2e::kLateAnswerTicks));
        QCOMPARE(rig.view.statusNotes.size(), 2);
        for (const TappedPort::Sent &sent : rig.port.sent().mid(sentAtPull))
            QCOMPARE(int(sent.bytes[0]), int(wire::CMD_STATUS));
        QVERIFY(rig.image == before);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
