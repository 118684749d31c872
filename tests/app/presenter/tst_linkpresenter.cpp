// The presenter fed with the link's outcomes and values: the message line,
// the gauges, the labels and the boxes the window shows for them.
#include "PresenterRig.h"
#include "RecordingListener.h"

#include <QtTest>

namespace st = wire::status;

Q_DECLARE_METATYPE(SequenceKind)
Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(LabelColour)
Q_DECLARE_METATYPE(lang::Msg)

namespace {

enum class Start
{
    Read,
    Program,
    ProgramAtOnce,
    Verify
};

void start(LinkPresenter &presenter, Start which)
{
    switch (which) {
    case Start::Read:
        presenter.startRead();
        break;
    case Start::Program:
        presenter.startProgram();
        break;
    case Start::ProgramAtOnce:
        presenter.startProgramAtOnce();
        break;
    case Start::Verify:
        presenter.startVerify();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Start)

class TestLinkPresenter : public QObject
{
    Q_OBJECT

private slots:
    void startLine_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("command");
        QTest::newRow("read") << Start::Read << "Read:" << 0x40;
        QTest::newRow("program") << Start::Program << "Programing:" << 0x00;
        QTest::newRow("program at once") << Start::ProgramAtOnce << "Programing" << 0x00;
        QTest::newRow("verify") << Start::Verify << "Verify:" << 0x41;
    }

    void startLine()
    {
        QFETCH(Start, start);
        QFETCH(int, command);
        PresenterRig rig;
        rig.display.messageColour = LabelColour::Red;
        ::start(rig.presenter, start);
        QTEST(rig.display.messageText, "text");
        QCOMPARE(rig.display.messageColour, LabelColour::Normal);
        QVERIFY(rig.display.messageVisible);
        QCOMPARE(rig.display.progress, 0);
        QVERIFY(rig.display.progressVisible);
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks);
        QCOMPARE(int(rig.link.commandByte()), command);
    }

    void endLine_data()
    {
        QTest::addColumn<SequenceKind>("sequence");
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelColour>("colour");
        QTest::addColumn<bool>("programmedOk");

        QTest::newRow("read verified") << SequenceKind::Read << Phase::Verify << Outcome::Ok
                                       << "Verify: OK" << LabelColour::Normal << false;
        QTest::newRow("program verified") << SequenceKind::Program << Phase::Verify << Outcome::Ok
                                          << "Verify: OK" << LabelColour::Normal << true;
        QTest::newRow("verify ok") << SequenceKind::Verify << Phase::Verify << Outcome::Ok
                                   << "Verify: OK" << LabelColour::Normal << false;
        QTest::newRow("read fails") << SequenceKind::Read << Phase::Read << Outcome::Failed
                                    << "Read error!" << LabelColour::Red << false;
        QTest::newRow("read's verify fails")
            << SequenceKind::Read << Phase::Verify << Outcome::Failed << "Verify error!"
            << LabelColour::Red << false;
        QTest::newRow("program fails") << SequenceKind::Program << Phase::Program << Outcome::Failed
                                       << "Program error!" << LabelColour::Red << false;
        QTest::newRow("program's verify fails")
            << SequenceKind::Program << Phase::Verify << Outcome::Failed << "Verify error!"
            << LabelColour::Red << false;
        QTest::newRow("no reading") << SequenceKind::Read << Phase::Read << Outcome::ReadProtected
                                    << "No reading!" << LabelColour::Red << false;
        QTest::newRow("a read-only read shows nothing")
            << SequenceKind::ReadOnly << Phase::Read << Outcome::Failed
            << "Verify:" << LabelColour::Normal << false;
    }

    void endLine()
    {
        QFETCH(SequenceKind, sequence);
        QFETCH(Phase, phase);
        QFETCH(Outcome, outcome);
        QFETCH(bool, programmedOk);
        PresenterRig rig;
        rig.presenter.startVerify();
        rig.end(sequence, phase, outcome);
        QTEST(rig.display.messageText, "text");
        QTEST(rig.display.messageColour, "colour");
        QCOMPARE(rig.presenter.programmedOk(), programmedOk);
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks);
        rig.ticks(1);
        QVERIFY(rig.display.messageVisible);
    }

    void deviceLost_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<Phase>("phase"); // the phase it had reached
        QTest::addColumn<lang::Msg>("failure");

        QTest::newRow("program") << Start::Program << Phase::Program << lang::Msg::ProgramError;
        QTest::newRow("program in its verify phase")
            << Start::Program << Phase::Verify << lang::Msg::ProgramError;
        QTest::newRow("verify") << Start::Verify << Phase::Verify << lang::Msg::VerifyError;
        QTest::newRow("read in its verify phase")
            << Start::Read << Phase::Verify << lang::Msg::ReadError;
    }

    // The status bar says the device went and came back, once each; the
    // transfer ends in its own failure, never "OK".
    void deviceLost()
    {
        QFETCH(Start, start);
        QFETCH(Phase, phase);
        QFETCH(lang::Msg, failure);
        PresenterRig rig;
        ::start(rig.presenter, start);
        const QString device = QStringLiteral("/dev/ttyS0");
        rig.presenter.portLost(device);
        SequenceEnd end{rig.link.sequence().value(), phase, Outcome::Failed, ExchangeEnd::TimedOut};
        end.deviceLost = true;
        rig.presenter.sequenceEnded(end);
        QCOMPARE(rig.display.messageText, rig.messages.text(failure));
        QCOMPARE(rig.display.messageColour, LabelColour::Red);
        QVERIFY(!rig.presenter.programmedOk());
        QCOMPARE(rig.display.statusNotes,
                 QStringList{rig.messages.text(lang::Msg::DeviceLost).arg(device)});
        rig.presenter.portBack(device);
        QCOMPARE(rig.display.statusNotes.size(), 2);
        QCOMPARE(rig.display.statusNotes.last(),
                 rig.messages.text(lang::Msg::DeviceBack).arg(device));
    }

    void verifyPhase()
    {
        PresenterRig rig;
        rig.presenter.startRead();
        rig.display.messageVisible = false;
        rig.ticks(5);
        rig.presenter.phaseChanged(Phase::Verify);
        rig.presenter.progressChanged(0);
        QCOMPARE(rig.display.messageText, QStringLiteral("Verify:"));
        QVERIFY(rig.display.messageVisible);
        QCOMPARE(rig.display.progress, 0);
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks);
    }

    // After a verified programming the unit stores the set and counts down from 53.
    void savingThenProgrammingOk()
    {
        PresenterRig rig;
        rig.end(SequenceKind::Program, Phase::Verify, Outcome::Ok);
        const QList<int> countdown{53, 40, 27, 10, 1, 0};
        const QList<int> gauge{0, 0, 1, 2, 2, 3};
        for (int i = 0; i < countdown.size(); ++i) {
            rig.status(testframes::Status().word(st::SAVE_COUNTDOWN, quint16(countdown[i])));
            QCOMPARE(rig.display.progress, gauge[i]);
            QCOMPARE(rig.display.messageText, QString(countdown[i] ? "Saving:" : "Programing: OK"));
        }
        QCOMPARE(rig.display.messageHistory,
                 QStringList({"Verify: OK", "Saving:", "Programing: OK"}));

        // "Programing: OK" stays with a full gauge until the message time runs out.
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks - 2);
        rig.ticks(rig.messageTicks());
        QVERIFY(rig.display.messageVisible);
        QCOMPARE(rig.display.progress, PollCycle::kProgressMax);
        rig.ticks(1);
        QVERIFY(!rig.display.messageVisible);
        QVERIFY(!rig.display.progressVisible);
        QVERIFY(!rig.presenter.programmedOk());
    }

    void savingGauge_data()
    {
        QTest::addColumn<int>("countdown");
        QTest::addColumn<int>("gauge");
        QTest::newRow("full count") << 53 << 0;
        QTest::newRow("above the full count") << 60 << 0;
        QTest::newRow("largest count") << 65535 << 0;
        QTest::newRow("last step") << 1 << 2;
    }

    void savingGauge()
    {
        QFETCH(int, countdown);
        QFETCH(int, gauge);
        PresenterRig rig;
        rig.status(testframes::Status().word(st::SAVE_COUNTDOWN, quint16(countdown)));
        QCOMPARE(rig.display.messageText, QStringLiteral("Saving:"));
        QCOMPARE(rig.display.progress, gauge);
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks - 1);
    }

    // The unit may still be storing an earlier set when the next sequence
    // fails; the red text must stay rather than give way to "Saving:".
    void failureStaysWhileTheUnitStores_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<QString>("error");
        QTest::newRow("program") << Phase::Program << "Program error!";
        QTest::newRow("verify") << Phase::Verify << "Verify error!";
        QTest::newRow("read") << Phase::Read << "Read error!";
    }

    void failureStaysWhileTheUnitStores()
    {
        QFETCH(Phase, phase);
        PresenterRig rig;
        rig.status(testframes::Status().word(st::SAVE_COUNTDOWN, 40));
        QCOMPARE(rig.display.messageText, QStringLiteral("Saving:"));
        rig.end(SequenceKind::Program, phase, Outcome::Failed);
        rig.ticks(PollCycle::kStatusPollTicks);
        QTEST(rig.display.messageText, "error");
        QCOMPARE(rig.display.messageColour, LabelColour::Red);
        QVERIFY(!rig.presenter.programmedOk());
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks - PollCycle::kStatusPollTicks);
    }

    void messageTimeout_data()
    {
        QTest::addColumn<bool>("printMode");
        QTest::newRow("window") << false;
        QTest::newRow("printing") << true;
    }

    void messageTimeout()
    {
        QFETCH(bool, printMode);
        PresenterRig rig;
        rig.presenter.startVerify();
        rig.display.printing = printMode;
        rig.ticks(PollCycle::kResendTicks); // the verify request is out
        rig.port.feed(testframes::frame(0xC1, rig.image.page(1)));
        rig.link.tick();
        QCOMPARE(rig.display.messageText, QStringLiteral("Verify: OK"));
        for (int i = 1; i < MessageLine::kHoldTicks; ++i) {
            rig.link.tick();
            QCOMPARE(rig.display.messageVisible, !printMode);
        }
        QVERIFY(rig.display.progressVisible);
        rig.link.tick();
        QVERIFY(!rig.display.messageVisible);
        QVERIFY(!rig.display.progressVisible);
    }

    void connectionLabel_data()
    {
        QTest::addColumn<bool>("printMode");
        QTest::newRow("window") << false;
        QTest::newRow("printing") << true;
    }

    void connectionLabel()
    {
        QFETCH(bool, printMode);
        PresenterRig rig;
        rig.display.printing = printMode;
        rig.status(testframes::Status().set(st::FORMAT_VERSION, 45));
        QVERIFY(rig.display.versionVisible);
        QCOMPARE(rig.display.versionText,
                 QStringLiteral("Unmatched version of PC and Ignition programs!  PC-46, IGN-45"));
        rig.ticks(PollCycle::kWatchdogTicks - 1);
        QVERIFY(!rig.display.connectionVisible);
        QVERIFY(rig.display.versionVisible);
        rig.ticks(1);
        QCOMPARE(rig.display.connectionVisible, !printMode);
        QCOMPARE(rig.display.versionVisible, printMode);
        rig.status(testframes::Status());
        QVERIFY(!rig.display.connectionVisible);
    }

    void monitorAndCurvePoint()
    {
        PresenterRig rig;
        rig.status(testframes::Status()
                       .word(st::ENGINE_RPM, 1600)
                       .set(st::PICKUP_SIGNAL, 1)
                       .set(st::EE_DATA_ERROR, 1));
        QCOMPARE(rig.display.monitorTexts[int(MonitorLabel::LabelRpm)],
                 QStringLiteral("RPM = 1600 "));
        QCOMPARE(rig.display.monitorColours[int(MonitorLabel::LabelSnimac)], LabelColour::Lime);
        QCOMPARE(rig.display.rpmGauge, 1600 / rig.image.limiter(1));
        QVERIFY(rig.display.eeDataErrorVisible);
        QVERIFY(!rig.display.versionVisible);
        QCOMPARE(rig.display.currentPoint, std::optional<int>(1));

        // When answers stop the marked row stays.
        rig.ticks(PollCycle::kWatchdogTicks + 1);
        QCOMPARE(rig.display.currentPoint, std::optional<int>(1));
    }

    void comOpeningError_data()
    {
        QTest::addColumn<bool>("failOpen");
        QTest::newRow("opens") << false;
        QTest::newRow("busy device shows the box") << true;
    }

    void comOpeningError()
    {
        QFETCH(bool, failOpen);
        PresenterRig rig;
        rig.port.failOpen = failOpen;
        rig.presenter.openComPort(3, QStringLiteral("/dev/ttyUSB4"));
        QCOMPARE(rig.display.comErrorBoxes,
                 failOpen ? QStringList("Com opening error!") : QStringList());
    }

    // The box opens at the end of the tick; the line and the gauge stay
    // while it is open and go at the first tick after it is closed.
    void versionBoxKeepsTheLine()
    {
        PresenterRig rig;
        rig.presenter.startRead();
        rig.end(SequenceKind::Read, Phase::Read, Outcome::VersionMismatch, 45);
        QVERIFY(rig.display.versionBoxes.isEmpty());
        rig.ticks(1);
        QCOMPARE(rig.display.versionBoxes,
                 QStringList("Unmatched version of PC and Ignition programs!  PC-46, IGN-45"));
        QVERIFY(rig.display.closeVersionBox);
        QVERIFY(rig.display.messageVisible);
        QVERIFY(rig.display.progressVisible);

        rig.ticks(MessageLine::kHoldTicks + 1);
        QVERIFY(rig.display.messageVisible);
        QVERIFY(rig.display.progressVisible);
        QCOMPARE(rig.display.versionBoxes.size(), 1);

        rig.display.closeVersionBox();
        QVERIFY(rig.display.messageVisible);
        rig.ticks(1);
        QVERIFY(!rig.display.messageVisible);
        QVERIFY(!rig.display.progressVisible);
        QCOMPARE(rig.display.versionBoxes.size(), 1);
    }

    // Page 0 brings the identification to the window at once, so that every
    // later refresh shows it, even when the read fails before it refreshes.
    void identificationOutlivesAFailedRead()
    {
        PresenterRig rig;
        rig.presenter.startRead();
        QByteArray page0(50, '\0');
        page0.replace(0, 3, "SIL");
        page0[3] = 13;
        rig.image.setPage(0, reinterpret_cast<const quint8 *>(page0.constData()));
        rig.presenter.unitInfoTaken();
        rig.end(SequenceKind::Read, Phase::Read, Outcome::Failed);
        QCOMPARE(rig.display.showCalls, 0);
        QCOMPARE(rig.display.unitTexts.name, QStringLiteral("SIL13"));
    }

    // A read-only read is its starter's, who hears its end from the link:
    // the line, the gauge and the image stay. A Read started meanwhile
    // replaces it, and it never ends.
    void readOnlyRead_data()
    {
        QTest::addColumn<bool>("laterRead");
        QTest::newRow("alone") << false;
        QTest::newRow("replaced by a read") << true;
    }

    void readOnlyRead()
    {
        QFETCH(bool, laterRead);
        PresenterRig rig;
        const ParameterSet image = rig.image;
        ParameterSet unit;
        RecordingListener starter;
        rig.link.addListener(starter);
        rig.presenter.startReadOnly(unit);
        QVERIFY(!rig.presenter.transferRuns());
        if (laterRead) {
            rig.presenter.startRead();
            QVERIFY(rig.presenter.transferRuns());
        }
        // The silent unit: every send of the first page runs out.
        for (int i = 0;
             i < 10 * PollCycle::kMaxSends * PollCycle::kResendTicks && rig.link.sequence(); ++i)
            rig.ticks(1);
        QVERIFY(!rig.link.sequence());
        QStringList failures;
        for (const SequenceEnd &end : starter.ends) {
            if (end.sequence == SequenceKind::ReadOnly)
                failures << rig.presenter.failureText(end);
        }
        QCOMPARE(failures,
                 laterRead ? QStringList{} : QStringList{rig.messages.text(lang::Msg::ReadError)});
        QCOMPARE(rig.image, image);
        QCOMPARE(rig.display.messageHistory.isEmpty(), !laterRead);
        QCOMPARE(rig.display.messageVisible, laterRead);
    }

    void printLine()
    {
        PresenterRig rig;
        rig.ticks(PollCycle::kWatchdogTicks + 1);
        QVERIFY(rig.display.connectionVisible);
        rig.presenter.beginPrint(QStringLiteral("printed"));
        QCOMPARE(rig.display.messageText, QStringLiteral("printed"));
        QCOMPARE(rig.display.messageColour, LabelColour::White);
        QVERIFY(rig.display.messageVisible);
        QVERIFY(!rig.display.progressVisible);
        QVERIFY(!rig.display.connectionVisible);
        QCOMPARE(rig.messageTicks(), MessageLine::kHoldTicks);
        rig.presenter.endPrint();
        QCOMPARE(rig.display.messageColour, LabelColour::Normal);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestLinkPresenter)
#include "tst_linkpresenter.moc"
