// The tool windows' ears on the link: the graph marks the live engine; a
// Read or a Program that ended well goes to the history.
#include "CurveGraphWindow.h"
#include "FakePort.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "SetHistory.h"
#include "WindowState.h"

#include <QtTest>

Q_DECLARE_METATYPE(SequenceKind)
Q_DECLARE_METATYPE(Outcome)

namespace {

struct GraphRig
{
    GraphRig() : link(port), window(image, state, link, nullptr), graph(window.graph())
    {
        image.SetDefaults();
    }

    FakePort port;
    PollCycle link;
    ParameterSet image;
    WindowState state;
    CurveGraphWindow window;
    CurveGraph &graph;
};

} // namespace

class TestToolListeners : public QObject
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

        GraphRig rig;
        rig.image.setBaseAdv(12);
        rig.graph.setOperatingPoint(OperatingPoint{1, 1});
        MonitorValues values;
        values.pickup = pickup;
        values.engineSpeed = pickup ? 4500 : 0;
        values.basicAdvance = basicAdvance;
        values.advanceNow = advanceNow;
        rig.window.statusTaken(values);

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
        QTest::newRow("programmed and verified") << SequenceKind::Program << Outcome::Ok
                                                 << QList<HistoryEvent>{HistoryEvent::Programmed};
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

        SequenceEnd end;
        end.sequence = sequence;
        end.outcome = outcome;
        const std::optional<HistoryEvent> event = historyEventOf(end);
        QCOMPARE(event ? QList<HistoryEvent>{*event} : QList<HistoryEvent>{}, recorded);
    }

    // The graph hears the link's ticks itself, and the marker goes once the
    // link has heard nothing for the watchdog's time.
    void silenceTakesTheMarkerAway()
    {
        GraphRig rig;
        QVERIFY(rig.link.openComPort(1, QStringLiteral("fake")));
        rig.graph.setOperatingPoint(OperatingPoint{3000, 20});
        for (int i = 0; i < PollCycle::kWatchdogTicks + 1 && !rig.link.noConnection(); ++i)
            rig.link.tick();
        QVERIFY(rig.link.noConnection());
        QVERIFY(!rig.graph.operatingPoint());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestToolListeners)
#include "tst_toollisteners.moc"
