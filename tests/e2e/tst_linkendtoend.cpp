#include "SimLink.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The unit stores a programmed set in 53 steps of one tick, then the next
// status poll reports it done.
constexpr int kSaveTicks = wire::status::kSaveFullCount + 2 * PollCycle::kStatusPollTicks;
// Status polls a faulty line may lose before one gets through.
constexpr int kLostPollTicks = 6 * PollCycle::kStatusPollTicks;
// Program, Read and Verify rounds per faulty line.
constexpr int kFaultyRounds = 3;

// A parameter set unlike the defaults, already in range; variant picks one of many.
ParameterSet parameterSet(int variant)
{
    ParameterSet set;
    set.SetDefaults();
    set.setPocetBodu(quint8(3 + variant % 12));
    set.setBaseAdv(quint8(5 + variant % 20));
    set.setLimiter(1, quint8(120 + variant % 40));
    set.setInput(0, quint8(variant % 5));
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        set.setRpmAdv(i, quint8(15 + 9 * i + variant % 7));
        set.setAdvance(i, quint8(8 + (3 * i + variant) % 30));
    }
    set.NormaliseParameterSet();
    return set;
}

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

// Codes of the page requests that left the port, in order.
QList<int> pageRequests(const TappedPort &port)
{
    QList<int> codes;
    for (const TappedPort::Sent &s : port.sent()) {
        if (s.bytes[0] != wire::CMD_STATUS)
            codes << s.bytes[0];
    }
    return codes;
}

// A page request with its resends: the same frame sent again.
struct Request
{
    int code;
    QByteArray data;
    int sends;
};

// The page requests that left the port, in order, each resend folded into
// the request it repeats. How often a request went out depends on how soon
// the simulator's answer came, which a busy machine can delay; what went out
// does not.
QList<Request> requestsSent(const TappedPort &port)
{
    QList<Request> requests;
    QByteArray previous;
    for (const TappedPort::Sent &s : port.sent()) {
        if (s.bytes[0] == wire::CMD_STATUS)
            continue;
        const QByteArray frame = bytesOf(s.bytes);
        if (frame == previous) {
            ++requests.last().sends;
            continue;
        }
        previous = frame;
        requests.append({s.bytes[0], dataOf(s.bytes), 1});
    }
    return requests;
}

QList<int> codesOf(const QList<Request> &requests)
{
    QList<int> codes;
    for (const Request &r : requests)
        codes << r.code;
    return codes;
}

// No request went out more often than the resend rules allow.
bool withinResendRules(const QList<Request> &requests)
{
    return std::all_of(requests.begin(), requests.end(),
                       [](const Request &r) { return r.sends <= PollCycle::kMaxSends; });
}

// Every step between the ticks equals step.
bool evenlySpaced(const QList<int> &ticks, int step)
{
    for (int i = 1; i < ticks.size(); ++i) {
        if (ticks[i] - ticks[i - 1] != step)
            return false;
    }
    return true;
}

enum class Transaction
{
    Read,
    Program,
    Verify
};

void start(SimLink &rig, Transaction transaction)
{
    switch (transaction) {
    case Transaction::Read:
        rig.presenter.startRead();
        break;
    case Transaction::Program:
        rig.presenter.startProgram();
        break;
    case Transaction::Verify:
        rig.presenter.startVerify();
        break;
    }
}

bool failed(const SimLink &rig)
{
    return rig.idle() && rig.view.messageColour == LabelColour::Red;
}

// A program run has ended once the unit reports its store done, or on a red error.
bool programEnded(const SimLink &rig)
{
    return failed(rig) || (rig.idle() && rig.view.messageText == QLatin1String("Programing: OK"));
}

bool verifyEnded(const SimLink &rig)
{
    return failed(rig) || (rig.idle() && rig.view.messageText == QLatin1String("Verify: OK"));
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

    void verifyComparesWithTheUnit_data()
    {
        QTest::addColumn<QByteArray>("unitPage");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("equal");

        const ParameterSet window = parameterSet(3);
        ParameterSet protectedUnit = window;
        protectedUnit.setNoReading(1);
        QTest::newRow("same set") << pageOf(window, 1) << "Verify: OK" << true;
        QTest::newRow("read protection is not compared")
            << pageOf(protectedUnit, 1) << "Verify: OK" << true;
        QTest::newRow("other set") << pageOf(parameterSet(4), 1) << "Verify error!" << false;
    }

    void verifyComparesWithTheUnit()
    {
        QFETCH(QByteArray, unitPage);
        QFETCH(bool, equal);
        SimLink rig;
        QVERIFY(rig.start({"--page1-hex", hexOf(unitPage)}));
        rig.image = parameterSet(3);
        const ParameterSet before = rig.image;
        rig.presenter.startVerify();
        QVERIFY(rig.tickUntil([&] { return verifyEnded(rig); },
                              e2e::transactionTicks(e2e::kVerifyPages)));

        QTEST(rig.view.messageText, "outcome");
        QCOMPARE(rig.view.messageColour, equal ? LabelColour::Normal : LabelColour::Red);
        QVERIFY(rig.image == before);
        const QList<int> sent = rig.port.ticksOf(wire::CMD_READ_PAGE1);
        QVERIFY(evenlySpaced(sent, PollCycle::kResendTicks));
        // Answered before the next resend was due; or, since the unit's page
        // never matches, sent as often as the rules allow and given up at the
        // sixth due time.
        if (equal) {
            QVERIFY(sent.size() <= PollCycle::kMaxSends);
            QVERIFY(rig.ticks - sent.last() < PollCycle::kResendTicks);
        } else {
            QCOMPARE(sent.size(), PollCycle::kMaxSends);
            QCOMPARE(rig.ticks - sent.last(), PollCycle::kResendTicks);
        }
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

    void monitorMarksTheCurveRow_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<QString>("speedText");
        QTest::addColumn<int>("row");
        // The window's curve: 2000, 4000, 6000, 8000 rpm.
        QTest::newRow("stopped") << 0 << "RPM = 0 " << -1;
        QTest::newRow("below the first point") << 1500 << "RPM = 1500 " << -1;
        QTest::newRow("nearer the lower point") << 2900 << "RPM = 2900 " << 0;
        QTest::newRow("halfway goes to the lower") << 3000 << "RPM = 3000 " << 0;
        QTest::newRow("nearer the upper point") << 3100 << "RPM = 3100 " << 1;
        QTest::newRow("above the last point") << 9000 << "RPM = 9000 " << 3;
    }

    void monitorMarksTheCurveRow()
    {
        QFETCH(int, rpm);
        QFETCH(int, row);
        SimLink rig;
        QVERIFY(rig.start({"--rpm", QString::number(rpm)}));
        rig.image.setPocetBodu(4);
        for (int i = 0; i < 4; ++i)
            rig.image.setRpmAdv(i, quint8(20 * (i + 1)));
        const auto &speedLabel = rig.view.monitorTexts[int(MonitorLabel::LabelRpm)];
        QVERIFY(rig.tickUntil([&] { return !speedLabel.isEmpty(); }, e2e::kLateAnswerTicks));

        QTEST(speedLabel, "speedText");
        QCOMPARE(rig.view.rpmGauge, rpm / rig.image.limiter(1));
        QCOMPARE(rig.view.currentPoint, row < 0 ? std::nullopt : std::optional<int>(row));
        QCOMPARE(rig.view.monitorTexts[int(MonitorLabel::LabelSnimac)],
                 rpm ? QStringLiteral("Pick-up (CPS) -  is running")
                     : QStringLiteral("Pick-up (CPS) -  no signal"));
    }

    void readProtectedUnitRefuses()
    {
        SimLink rig;
        QVERIFY(rig.start({"--read-protected"}));
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.presenter.startRead();
        QVERIFY(rig.tickUntil([&] { return failed(rig); }, e2e::transactionTicks(1)));

        QCOMPARE(rig.view.messageText, QStringLiteral("No reading!"));
        QCOMPARE(pageOf(rig.image, 1), page1);
        QCOMPARE(rig.view.unitTexts.name, QStringLiteral("SIL13"));
        const QList<Request> requests = requestsSent(rig.port);
        QCOMPARE(codesOf(requests), QList<int>({0x40}));
        QVERIFY(withinResendRules(requests));
    }

    void otherFormatVersion_data()
    {
        QTest::addColumn<bool>("program");
        QTest::addColumn<int>("request");
        QTest::newRow("read") << false << int(wire::CMD_READ_PAGE0);
        QTest::newRow("program") << true << int(wire::CMD_WRITE_PAGE0);
    }

    void otherFormatVersion()
    {
        QFETCH(bool, program);
        QFETCH(int, request);
        const QString text =
            QStringLiteral("Unmatched version of PC and Ignition programs!  PC-46, IGN-45");
        SimLink rig;
        QVERIFY(rig.start({"--format-version", "45"}));
        const QByteArray page1 = pageOf(rig.image, 1);
        program ? rig.presenter.startProgram() : rig.presenter.startRead();
        QVERIFY(rig.tickUntil([&] { return !rig.view.versionBoxes.isEmpty(); },
                              e2e::transactionTicks(1)));

        QCOMPARE(rig.view.versionBoxes, QStringList{text});
        QVERIFY(rig.idle());
        // The line and the gauge stay while the box is open, and go after it.
        QVERIFY(rig.view.progressVisible);
        rig.view.closeVersionBox();
        rig.tick();
        QVERIFY(!rig.view.progressVisible);
        QCOMPARE(pageOf(rig.image, 1), page1);
        const QList<Request> requests = requestsSent(rig.port);
        QCOMPARE(codesOf(requests), QList<int>{request});
        QVERIFY(withinResendRules(requests));

        // The status polls then carry the same warning into the version label.
        QVERIFY(rig.tickUntil([&] { return rig.view.versionVisible; }, e2e::kLateAnswerTicks));
        QCOMPARE(rig.view.versionText, text);
        QCOMPARE(rig.view.versionBoxes.size(), 1);
    }

    void silentUnit_data()
    {
        QTest::addColumn<int>("transaction");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("error");
        QTest::newRow("read") << int(Transaction::Read) << int(wire::CMD_READ_PAGE0)
                              << "Read error!";
        QTest::newRow("program") << int(Transaction::Program) << int(wire::CMD_WRITE_PAGE0)
                                 << "Program error!";
        QTest::newRow("verify") << int(Transaction::Verify) << int(wire::CMD_READ_PAGE1)
                                << "Verify error!";
    }

    void silentUnit()
    {
        QFETCH(int, transaction);
        QFETCH(int, request);
        SimLink rig;
        QVERIFY(rig.start({"--silent"}));
        const ParameterSet before = rig.image;
        start(rig, Transaction(transaction));
        int noConnectionTick = 0;
        QVERIFY(rig.tickUntil(
            [&] {
                if (rig.view.connectionVisible && !noConnectionTick)
                    noConnectionTick = rig.ticks;
                return failed(rig);
            },
            e2e::transactionTicks(1)));

        QTEST(rig.view.messageText, "error");
        QVERIFY(rig.image == before);
        QVERIFY(!rig.presenter.programmedOk());
        const QList<int> sent = rig.port.ticksOf(quint8(request));
        QCOMPARE(sent.size(), PollCycle::kMaxSends);
        QVERIFY(evenlySpaced(sent, PollCycle::kResendTicks));
        QCOMPARE(rig.ticks, sent.last() + PollCycle::kResendTicks);
        QCOMPARE(rig.port.sent().size(), PollCycle::kMaxSends);
        // Never heard from since the start: 18 silent ticks, shown on the next.
        // Exact, since nothing answers: every tick here is the test's own.
        QCOMPARE(noConnectionTick, PollCycle::kWatchdogTicks + 1);
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

    void connectionLabelFollowsTheUnit()
    {
        SimLink rig;
        QVERIFY(rig.start({}));
        auto accepted = [&] { return rig.link.watchdogTicks() == 1; };
        QVERIFY(rig.tickUntil(accepted, e2e::kLateAnswerTicks));
        const int lastHeard = rig.ticks;
        rig.sim.command("fault silent on");
        QVERIFY(rig.sim.takeLine("OK fault silent on", e2e::kProcessMs));

        QVERIFY(rig.tickUntil([&] { return rig.view.connectionVisible; },
                              PollCycle::kWatchdogTicks + 1));
        QCOMPARE(rig.ticks, lastHeard + PollCycle::kWatchdogTicks);
        QVERIFY(!rig.view.versionVisible);
        rig.tickFor(PollCycle::kStatusPollTicks);
        QVERIFY(rig.view.connectionVisible);

        rig.sim.command("fault silent off");
        QVERIFY(rig.sim.takeLine("OK fault silent off", e2e::kProcessMs));
        QVERIFY(rig.tickUntil([&] { return !rig.view.connectionVisible; }, e2e::kLateAnswerTicks));
        QVERIFY(accepted());
    }

    void firstSilentThenAnswers_data()
    {
        QTest::addColumn<int>("transaction");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("fewestSends");
        // Each request code is ignored twice, so every page goes out at least
        // three times; the read's verify is the fourth 0x41 and is answered
        // at its first send.
        QTest::newRow("read") << int(Transaction::Read) << QList<int>{0x40, 0x41, 0x41}
                              << QList<int>{3, 3, 1};
        QTest::newRow("program") << int(Transaction::Program) << QList<int>{0x00, 0x01, 0x41}
                                 << QList<int>{3, 3, 3};
        QTest::newRow("verify") << int(Transaction::Verify) << QList<int>{0x41} << QList<int>{3};
    }

    void firstSilentThenAnswers()
    {
        QFETCH(int, transaction);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, fewestSends);
        const ParameterSet unitSet = parameterSet(5);
        SimLink rig;
        QVERIFY(rig.start(
            {"--first-silent", "2", "--save-step", "1", "--page1-hex", hexOf(pageOf(unitSet, 1))}));
        if (Transaction(transaction) != Transaction::Read)
            rig.image = parameterSet(Transaction(transaction) == Transaction::Verify ? 5 : 6);
        start(rig, Transaction(transaction));
        const bool program = Transaction(transaction) == Transaction::Program;
        QVERIFY(rig.tickUntil([&] { return program ? programEnded(rig) : verifyEnded(rig); },
                              e2e::transactionTicks(e2e::kProgramPages) + kLostPollTicks));

        QCOMPARE(rig.view.messageColour, LabelColour::Normal);
        const QList<Request> requests = requestsSent(rig.port);
        QCOMPARE(codesOf(requests), codes);
        QVERIFY(withinResendRules(requests));
        for (int i = 0; i < requests.size(); ++i)
            QVERIFY2(requests[i].sends >= fewestSends[i], qPrintable(QString::number(i)));
        QCOMPARE(rig.unitPage1(), pageOf(rig.image, 1));
    }

    void faultyLine_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("10 % of the answers lost") << QStringList{"--drop", "10"};
        QTest::newRow("10 % of the answers with a bit flipped") << QStringList{"--flip", "10"};
        QTest::newRow("stray bytes and split answers") << QStringList{"--garbage", "--split", "7"};
        // Bad enough that some transactions run out of sends.
        QTest::newRow("everything, often")
            << QStringList{"--drop", "40", "--flip", "20", "--garbage", "--split", "13"};
    }

    // Whatever the line does, each transaction ends, and a success means the
    // window and the unit hold the same set.
    void faultyLine()
    {
        QFETCH(QStringList, faults);
        SimLink rig;
        QVERIFY(rig.start(faults + QStringList{"--seed", "7", "--save-step", "1"}));
        QByteArray unitPage0;
        int successes = 0;
        const int programTicks = e2e::transactionTicks(e2e::kProgramPages) + kLostPollTicks;
        for (int round = 0; round < kFaultyRounds; ++round) {
            rig.image = parameterSet(10 + round);
            const QByteArray programmed = pageOf(rig.image, 1);
            rig.presenter.startProgram();
            QVERIFY2(rig.tickUntil([&] { return programEnded(rig); }, programTicks),
                     qPrintable(rig.view.messageText));
            QCOMPARE(pageOf(rig.image, 1), programmed);
            if (!failed(rig)) {
                ++successes;
                QCOMPARE(rig.unitPage1(), programmed);
                if (unitPage0.isEmpty())
                    unitPage0 = pageOf(rig.image, 0);
                QCOMPARE(pageOf(rig.image, 0), unitPage0);
            } else {
                QVERIFY2(rig.view.messageText == "Program error!" ||
                             rig.view.messageText == "Verify error!",
                         qPrintable(rig.view.messageText));
            }

            const QByteArray unitPage = rig.unitPage1();
            const QByteArray other = pageOf(parameterSet(40 + round), 1);
            rig.image.setPage(1, reinterpret_cast<const quint8 *>(other.constData()));
            rig.presenter.startRead();
            QVERIFY2(rig.tickUntil([&] { return verifyEnded(rig); },
                                   e2e::transactionTicks(e2e::kReadPages)),
                     qPrintable(rig.view.messageText));
            if (!failed(rig)) {
                ++successes;
                QCOMPARE(pageOf(rig.image, 1), unitPage);
            } else if (rig.view.messageText == "Read error!") {
                QCOMPARE(pageOf(rig.image, 1), other);
            } else {
                // Page 1 came whole; its second reading was lost.
                QCOMPARE(rig.view.messageText, QStringLiteral("Verify error!"));
                QCOMPARE(pageOf(rig.image, 1), unitPage);
            }

            rig.presenter.startVerify();
            QVERIFY2(rig.tickUntil([&] { return verifyEnded(rig); },
                                   e2e::transactionTicks(e2e::kVerifyPages)),
                     qPrintable(rig.view.messageText));
            if (!failed(rig)) {
                ++successes;
                QCOMPARE(pageOf(rig.image, 1), unitPage);
            } else {
                QCOMPARE(rig.view.messageText, QStringLiteral("Verify error!"));
            }
        }
        // The faults did strike: pages had to be sent again.
        const int fewestSends =
            kFaultyRounds * (e2e::kProgramPages + e2e::kReadPages + e2e::kVerifyPages);
        const int sends = int(pageRequests(rig.port).size());
        qInfo("%d of %d transactions succeeded, %d page requests for at least %d", successes,
              3 * kFaultyRounds, sends, fewestSends);
        QVERIFY(successes > 0);
        QVERIFY(sends > fewestSends);
    }
};

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
