#include "SimulatedLink.h"

#include <QtTest>

Q_DECLARE_METATYPE(FaultSettings)
Q_DECLARE_METATYPE(UnitOptions)

namespace {

using namespace e2e;

UnitOptions readProtected()
{
    UnitOptions options;
    options.readProtected = true;
    return options;
}

UnitOptions damagedMemory()
{
    UnitOptions options;
    options.eeDataError = true;
    return options;
}

FaultSettings faults(void (*set)(FaultSettings &))
{
    FaultSettings settings;
    set(settings);
    return settings;
}

} // namespace

// The link and its presenter against the simulated unit inside the test, a
// failure mode of the unit or its line at a time: what the user sees, and
// what the unit holds after.
class TestSimulatedUnit : public QObject
{
    Q_OBJECT

private slots:
    void failureModes_data()
    {
        QTest::addColumn<UnitOptions>("unit");
        QTest::addColumn<FaultSettings>("line");
        QTest::addColumn<int>("transaction");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("connectionLost");

        const int read = int(Transaction::Read);
        const int program = int(Transaction::Program);
        const int verify = int(Transaction::Verify);
        const UnitOptions unit;
        const FaultSettings clean;
        QTest::newRow("clean line: read") << unit << clean << read << "Verify: OK" << false;
        QTest::newRow("clean line: program")
            << unit << clean << program << "Programing: OK" << false;
        QTest::newRow("unit never answers: read")
            << unit << faults([](FaultSettings &f) { f.silent = true; }) << read << "Read error!"
            << true;
        QTest::newRow("unit never answers: program")
            << unit << faults([](FaultSettings &f) { f.silent = true; }) << program
            << "Program error!" << true;
        QTest::newRow("every answer lost: verify")
            << unit << faults([](FaultSettings &f) { f.dropPercent = 100; }) << verify
            << "Verify error!" << true;
        QTest::newRow("every answer with a bit flipped: read")
            << unit << faults([](FaultSettings &f) { f.flipPercent = 100; }) << read
            << "Read error!" << true;
        QTest::newRow("first two requests of each code ignored: program")
            << unit << faults([](FaultSettings &f) { f.firstSilent = 2; }) << program
            << "Programing: OK" << false;
        QTest::newRow("stray bytes before answers: read")
            << unit << faults([](FaultSettings &f) { f.garbage = true; }) << read << "Verify: OK"
            << false;
        QTest::newRow("answers in pieces: read")
            << unit << faults([](FaultSettings &f) { f.splitSize = 7; }) << read << "Verify: OK"
            << false;
        QTest::newRow("answers two ticks late: program")
            << unit << faults([](FaultSettings &f) { f.lateMs = 2 * PollCycle::kTickMs; })
            << program << "Programing: OK" << false;
        QTest::newRow("read-protected unit: read")
            << readProtected() << clean << read << "No reading!" << false;
        QTest::newRow("read-protected unit: program")
            << readProtected() << clean << program << "Programing: OK" << false;
    }

    void failureModes()
    {
        QFETCH(UnitOptions, unit);
        QFETCH(FaultSettings, line);
        QFETCH(int, transaction);
        QFETCH(bool, connectionLost);
        SimulatedLink rig(unit, line);
        rig.setUnitPage1(pageOf(parameterSet(20), 1));
        rig.image = parameterSet(21);
        const QByteArray unitBefore = rig.unitPage1();
        const QByteArray windowBefore = pageOf(rig.image, 1);
        QVERIFY(rig.start());
        start(rig, Transaction(transaction));
        QVERIFY(rig.tickUntil([&] { return programEnded(rig) || verifyEnded(rig); },
                              transactionTicks(kProgramPages) + kSaveTicks));
        QTEST(rig.view.messageText, "outcome");
        const bool ok = rig.view.messageColour == LabelColour::Normal;

        // A success leaves the window and the unit holding the same set; a
        // failure leaves the unit's set, and the window's, as they were.
        if (ok) {
            QCOMPARE(rig.unitPage1(), pageOf(rig.image, 1));
        } else {
            QCOMPARE(pageOf(rig.image, 1), windowBefore);
            if (Transaction(transaction) != Transaction::Program)
                QCOMPARE(rig.unitPage1(), unitBefore);
        }
        rig.tickFor(PollCycle::kStatusPollTicks);
        QCOMPARE(rig.view.connectionVisible, connectionLost);
        QVERIFY(!rig.view.eeDataErrorVisible);
    }

    void damagedMemoryIsShown()
    {
        SimulatedLink rig(damagedMemory());
        QVERIFY(rig.start());
        QVERIFY(rig.tickUntil([&] { return rig.view.eeDataErrorVisible; }, kLateAnswerTicks));
        QVERIFY(!rig.view.connectionVisible);
    }

    void missingDevice()
    {
        SimulatedLink rig;
        rig.unit.setOpenError(QStringLiteral("No such file or directory"));
        QVERIFY(!rig.start());
        QCOMPARE(rig.view.comErrorBoxes, QStringList{"Com opening error!"});
        QVERIFY(!rig.port.isOpen());
        // Nothing reaches the unit, and the window says so in time.
        rig.tickFor(PollCycle::kWatchdogTicks + 1);
        QVERIFY(rig.view.connectionVisible);
        QVERIFY(rig.view.monitorTexts[int(MonitorLabel::LabelRpm)].isEmpty());
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
        SimulatedLink rig;
        rig.setUnitPage1(unitPage);
        QVERIFY(rig.start());
        rig.image = parameterSet(3);
        const ParameterSet before = rig.image;
        rig.presenter.startVerify();
        QVERIFY(rig.tickUntil([&] { return verifyEnded(rig); }, transactionTicks(kVerifyPages)));

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
        SimulatedLink rig;
        rig.unit.line().engine().holdRpm(rpm);
        QVERIFY(rig.start());
        rig.image.setPocetBodu(4);
        for (int i = 0; i < 4; ++i)
            rig.image.setRpmAdv(i, quint8(20 * (i + 1)));
        const auto &speedLabel = rig.view.monitorTexts[int(MonitorLabel::LabelRpm)];
        QVERIFY(rig.tickUntil([&] { return !speedLabel.isEmpty(); }, kLateAnswerTicks));

        QTEST(speedLabel, "speedText");
        QCOMPARE(rig.view.rpmGauge, rpm / rig.image.limiter(1));
        QCOMPARE(rig.view.currentPoint, row < 0 ? std::nullopt : std::optional<int>(row));
        QCOMPARE(rig.view.monitorTexts[int(MonitorLabel::LabelSnimac)],
                 rpm ? QStringLiteral("Pick-up (CPS) -  is running")
                     : QStringLiteral("Pick-up (CPS) -  no signal"));
    }

    void readProtectedUnitRefuses()
    {
        SimulatedLink rig(readProtected());
        QVERIFY(rig.start());
        const QByteArray page1 = pageOf(rig.image, 1);
        rig.presenter.startRead();
        QVERIFY(rig.tickUntil([&] { return failed(rig); }, transactionTicks(1)));

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
        UnitOptions options;
        options.identity.formatVersion = 45;
        SimulatedLink rig(options);
        QVERIFY(rig.start());
        const QByteArray page1 = pageOf(rig.image, 1);
        program ? rig.presenter.startProgram() : rig.presenter.startRead();
        QVERIFY(
            rig.tickUntil([&] { return !rig.view.versionBoxes.isEmpty(); }, transactionTicks(1)));

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
        QVERIFY(rig.tickUntil([&] { return rig.view.versionVisible; }, kLateAnswerTicks));
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
        SimulatedLink rig({}, faults([](FaultSettings &f) { f.silent = true; }));
        QVERIFY(rig.start());
        const ParameterSet before = rig.image;
        start(rig, Transaction(transaction));
        int noConnectionTick = 0;
        QVERIFY(rig.tickUntil(
            [&] {
                if (rig.view.connectionVisible && !noConnectionTick)
                    noConnectionTick = rig.ticks;
                return failed(rig);
            },
            transactionTicks(1)));

        QTEST(rig.view.messageText, "error");
        QVERIFY(rig.image == before);
        QVERIFY(!rig.presenter.programmedOk());
        const QList<int> sent = rig.port.ticksOf(quint8(request));
        QCOMPARE(sent.size(), PollCycle::kMaxSends);
        QVERIFY(evenlySpaced(sent, PollCycle::kResendTicks));
        QCOMPARE(rig.ticks, sent.last() + PollCycle::kResendTicks);
        QCOMPARE(rig.port.sent().size(), PollCycle::kMaxSends);
        // Never heard from since the start: 18 silent ticks, shown on the next.
        QCOMPARE(noConnectionTick, PollCycle::kWatchdogTicks + 1);
    }

    void connectionLabelFollowsTheUnit()
    {
        SimulatedLink rig;
        QVERIFY(rig.start());
        auto accepted = [&] { return rig.link.watchdogTicks() == 1; };
        QVERIFY(rig.tickUntil(accepted, kLateAnswerTicks));
        const int lastHeard = rig.ticks;
        rig.unit.line().faults().settings().silent = true;

        QVERIFY(rig.tickUntil([&] { return rig.view.connectionVisible; },
                              PollCycle::kWatchdogTicks + 1));
        QCOMPARE(rig.ticks, lastHeard + PollCycle::kWatchdogTicks);
        QVERIFY(!rig.view.versionVisible);
        rig.tickFor(PollCycle::kStatusPollTicks);
        QVERIFY(rig.view.connectionVisible);

        rig.unit.line().faults().settings().silent = false;
        QVERIFY(rig.tickUntil([&] { return !rig.view.connectionVisible; }, kLateAnswerTicks));
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
        UnitOptions options;
        options.saveStepMs = 1;
        SimulatedLink rig(options, faults([](FaultSettings &f) { f.firstSilent = 2; }));
        rig.setUnitPage1(pageOf(unitSet, 1));
        QVERIFY(rig.start());
        if (Transaction(transaction) != Transaction::Read)
            rig.image = parameterSet(Transaction(transaction) == Transaction::Verify ? 5 : 6);
        start(rig, Transaction(transaction));
        const bool program = Transaction(transaction) == Transaction::Program;
        QVERIFY(rig.tickUntil([&] { return program ? programEnded(rig) : verifyEnded(rig); },
                              transactionTicks(kProgramPages) + kLostPollTicks));

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
        QTest::addColumn<FaultSettings>("line");
        QTest::newRow("10 % of the answers lost")
            << faults([](FaultSettings &f) { f.dropPercent = 10; });
        QTest::newRow("10 % of the answers with a bit flipped")
            << faults([](FaultSettings &f) { f.flipPercent = 10; });
        QTest::newRow("stray bytes") << faults([](FaultSettings &f) { f.garbage = true; });
        // Bad enough that some transactions run out of sends.
        QTest::newRow("everything, often") << faults([](FaultSettings &f) {
            f.dropPercent = 40;
            f.flipPercent = 20;
            f.garbage = true;
            f.splitSize = 13;
        });
    }

    // Whatever the line does, each transaction ends, and a success means the
    // window and the unit hold the same set.
    void faultyLine()
    {
        QFETCH(FaultSettings, line);
        UnitOptions options;
        options.saveStepMs = 1;
        SimulatedLink rig(options, line, 7);
        QVERIFY(rig.start());
        faultyRounds(rig);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestSimulatedUnit)
#include "tst_simulatedunit.moc"
