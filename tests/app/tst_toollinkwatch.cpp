// The tools' ear on the link: the presenter hears everything first; the graph
// marks the live engine; a Read or a Program that ended well goes to the history.
#include "CurveGraph.h"
#include "FakePort.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingListener.h"
#include "ToolLinkWatch.h"

#include <QtTest>

Q_DECLARE_METATYPE(SequenceKind)
Q_DECLARE_METATYPE(Outcome)

namespace {

struct WatchRig
{
    WatchRig()
        : link(port), graph(image),
          watch(link, presenter, image, graph, [this](HistoryEvent e, const ParameterSet &set) {
              recorded << e;
              baseAdvances << set.baseAdv();
          })
    {
        image.SetDefaults();
    }

    FakePort port;
    PollCycle link;
    RecordingListener presenter;
    ParameterSet image;
    CurveGraph graph;
    QList<HistoryEvent> recorded;
    QList<int> baseAdvances;
    ToolLinkWatch watch;
};

} // namespace

class TestToolLinkWatch : public QObject
{
    Q_OBJECT

private slots:
    void operatingPoint_data()
    {
        QTest::addColumn<bool>("pickup");
        QTest::addColumn<bool>("basicAdvance");
        QTest::addColumn<int>("advanceNow");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("advance");

        QTest::newRow("running") << true << false << 23 << true << 23;
        QTest::newRow("retarded below zero") << true << false << -4 << true << -4;
        QTest::newRow("at base advance") << true << true << 23 << true << 12;
        QTest::newRow("no signal") << false << false << 23 << false << 0;
    }

    void operatingPoint()
    {
        QFETCH(bool, pickup);
        QFETCH(bool, basicAdvance);
        QFETCH(int, advanceNow);
        QFETCH(bool, shown);
        QFETCH(int, advance);

        WatchRig rig;
        rig.image.setBaseAdv(12);
        rig.graph.setOperatingPoint(OperatingPoint{1, 1});
        MonitorValues values;
        values.pickup = pickup;
        values.engineSpeed = pickup ? 4500 : 0;
        values.basicAdvance = basicAdvance;
        values.advanceNow = advanceNow;
        rig.watch.statusTaken(values);

        QCOMPARE(rig.presenter.statuses, 1);
        QCOMPARE(rig.graph.operatingPoint().has_value(), shown);
        if (shown) {
            QCOMPARE(rig.graph.operatingPoint()->rpm, 4500);
            QCOMPARE(rig.graph.operatingPoint()->advance, advance);
        }
    }

    void endsGoToTheHistory_data()
    {
        QTest::addColumn<SequenceKind>("sequence");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QList<HistoryEvent>>("recorded");

        QTest::newRow("read") << SequenceKind::Read << Outcome::Ok
                              << QList<HistoryEvent>{HistoryEvent::Read};
        QTest::newRow("programmed and verified, not yet stored")
            << SequenceKind::Program << Outcome::Ok << QList<HistoryEvent>{};
        QTest::newRow("verify alone")
            << SequenceKind::Verify << Outcome::Ok << QList<HistoryEvent>{};
        QTest::newRow("read-only read")
            << SequenceKind::ReadOnly << Outcome::Ok << QList<HistoryEvent>{};
        QTest::newRow("read failed")
            << SequenceKind::Read << Outcome::Failed << QList<HistoryEvent>{};
        QTest::newRow("read protected")
            << SequenceKind::Read << Outcome::ReadProtected << QList<HistoryEvent>{};
        QTest::newRow("program failed")
            << SequenceKind::Program << Outcome::Failed << QList<HistoryEvent>{};
        QTest::newRow("program refused by version")
            << SequenceKind::Program << Outcome::VersionMismatch << QList<HistoryEvent>{};
    }

    void endsGoToTheHistory()
    {
        QFETCH(SequenceKind, sequence);
        QFETCH(Outcome, outcome);
        QFETCH(QList<HistoryEvent>, recorded);

        WatchRig rig;
        SequenceEnd end;
        end.sequence = sequence;
        end.outcome = outcome;
        rig.watch.sequenceEnded(end);
        QCOMPARE(rig.presenter.ends.size(), size_t(1));
        QCOMPARE(rig.recorded, recorded);
    }

    // The programmed entry waits for the unit's store: written when the
    // countdown has run out, or as not confirmed when another sequence ends first.
    void programmedOnceStored()
    {
        WatchRig rig;
        SequenceEnd program;
        program.sequence = SequenceKind::Program;
        const int first = rig.image.baseAdv();
        rig.watch.sequenceEnded(program);
        rig.image.setBaseAdv(quint8(first + 1));
        rig.watch.sequenceEnded(program);
        rig.image.setBaseAdv(quint8(first + 2)); // an edit while storing
        QCOMPARE(rig.recorded, QList<HistoryEvent>{HistoryEvent::Unconfirmed});
        QCOMPARE(rig.link.saveCountdown(), quint16(0));
        rig.watch.idleStep();
        rig.watch.idleStep();
        QCOMPARE(rig.recorded,
                 (QList<HistoryEvent>{HistoryEvent::Unconfirmed, HistoryEvent::Programmed}));
        QCOMPARE(rig.baseAdvances, (QList<int>{first, first + 1}));
    }

    void everyReportReachesThePresenter()
    {
        WatchRig rig;
        rig.watch.unitInfoTaken();
        rig.watch.setChanged();
        rig.watch.phaseChanged(Phase::Verify);
        rig.watch.progressChanged(2);
        rig.watch.idleStep();
        rig.watch.tickEnded();
        QCOMPARE(rig.presenter.unitInfos, 1);
        QCOMPARE(rig.presenter.setChanges, 1);
        QCOMPARE(rig.presenter.phases, QList<Phase>{Phase::Verify});
        QCOMPARE(rig.presenter.progress, QList<int>{2});
        QCOMPARE(rig.presenter.idleSteps, 1);
        QCOMPARE(rig.presenter.ticks, 1);
    }

    // Ticks of the real link reach the presenter through the watch, and the
    // marker goes once the link has heard nothing for the watchdog's time.
    void silenceTakesTheMarkerAway()
    {
        WatchRig rig;
        QVERIFY(rig.link.openComPort(1, QStringLiteral("fake")));
        rig.graph.setOperatingPoint(OperatingPoint{3000, 20});
        for (int i = 0; i < PollCycle::kWatchdogTicks + 1 && !rig.link.noConnection(); ++i)
            rig.link.tick();
        QVERIFY(rig.link.noConnection());
        QVERIFY(rig.presenter.ticks > 0);
        QVERIFY(!rig.graph.operatingPoint());
    }
};

QTEST_MAIN(TestToolLinkWatch)
#include "tst_toollinkwatch.moc"
