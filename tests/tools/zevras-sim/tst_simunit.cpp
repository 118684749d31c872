#include "ControlCommands.h"
#include "EngineModel.h"
#include "FaultInjector.h"
#include "FrameAssembler.h"
#include "OutputQueue.h"
#include "SimOptions.h"
#include "UnitModel.h"

#include <QtTest>

namespace st = wire::status;
using TestValues = std::array<quint16, st::TEST_VALUE_COUNT>;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// Curve 1000/2000/3000 rpm at 5/15/35 degrees, base advance 8, retard 6.
ParameterSet curveUnit(int points = 3)
{
    ParameterSet p;
    p.SetDefaults();
    p.setPocetBodu(quint8(points));
    p.setBaseAdv(8);
    p.setLimiter(2, 6);
    const int rpm[] = {10, 20, 30}, adv[] = {5, 15, 35};
    for (int i = 0; i < 3; ++i) {
        p.setRpmAdv(i, quint8(rpm[i]));
        p.setAdvance(i, quint8(adv[i]));
    }
    return p;
}

Frame request(quint8 code, quint8 fill = 0)
{
    Page data;
    data.fill(fill);
    return makeFrame(code, data.data());
}

} // namespace

class TestSimUnit : public QObject
{
    Q_OBJECT

private slots:
    void advance_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("rpm");
        QTest::addColumn<bool>("retard");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<bool>("basic");
        QTest::addColumn<int>("maximum");
        QTest::newRow("stopped fires at the base") << 3 << 0 << false << 8 << true << 35;
        QTest::newRow("below the first point") << 3 << 999 << false << 8 << true << 35;
        QTest::newRow("on the first point") << 3 << 1000 << false << 5 << false << 35;
        QTest::newRow("half way up") << 3 << 1500 << false << 10 << false << 35;
        QTest::newRow("rounds to nearest") << 3 << 2530 << false << 26 << false << 35;
        QTest::newRow("above the last point") << 3 << 9000 << false << 35 << false << 35;
        QTest::newRow("retard takes degrees off") << 3 << 2500 << true << 19 << false << 35;
        QTest::newRow("only the points in use") << 2 << 9000 << false << 15 << false << 15;
        QTest::newRow("no points: base only") << 0 << 5000 << false << 8 << true << 8;
    }

    void advance()
    {
        QFETCH(int, points);
        QFETCH(int, rpm);
        QFETCH(bool, retard);
        const AdvanceReading reading = advanceAt(curveUnit(points), rpm, retard);
        QTEST(reading.degrees, "degrees");
        QTEST(reading.basic, "basic");
        QTEST(reading.maximum, "maximum");
    }

    void advanceWithEqualPoints()
    {
        ParameterSet p = curveUnit();
        p.setRpmAdv(1, 10); // from a file or the unit: not normalised
        QCOMPARE(advanceAt(p, 1000, false).degrees, 15);
        QCOMPARE(advanceAt(p, 2500, false).degrees, 30);
    }

    void statusFlags_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("in1Function");
        QTest::addColumn<int>("in2Function");
        QTest::addColumn<bool>("in1");
        QTest::addColumn<bool>("in2");
        QTest::addColumn<int>("polarita");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        // Defaults: start limiter 10000, limiter 15000, shift light 12000 rpm.
        QTest::newRow("shift light at")
            << 12000 << 0 << 0 << false << false << 2 << false << st::SHIFT_LIGHT_ON << 1;
        QTest::newRow("limiter at")
            << 15000 << 0 << 0 << false << false << 2 << false << st::LIMITER_ON << 1;
        QTest::newRow("start limiter needs its input")
            << 10000 << 4 << 0 << false << false << 2 << false << st::START_LIMITER_ON << 0;
        QTest::newRow("start limiter on input 2")
            << 10000 << 0 << 4 << false << true << 2 << false << st::START_LIMITER_ON << 1;
        QTest::newRow("kill switch on input 1")
            << 3000 << 1 << 1 << true << false << 2 << false << st::KILL_SWITCH_ON << 1;
        QTest::newRow("blocking on input 2")
            << 3000 << 1 << 1 << false << true << 2 << false << st::BLOCKING_ON << 1;
        QTest::newRow("clutch master")
            << 3000 << 2 << 0 << true << false << 2 << false << st::CLUTCH_ON << 1;
        QTest::newRow("retard") << 3000 << 0 << 3 << false << true << 2 << false << st::RETARD_ON
                                << 1;
        QTest::newRow("stopped: no pick-up")
            << 0 << 0 << 0 << false << false << 2 << false << st::PICKUP_SIGNAL << 0;
        QTest::newRow("negative measured")
            << 3000 << 0 << 0 << false << false << 1 << true << st::POLARITY_NEG << 1;
        QTest::newRow("positive set, negative measured")
            << 3000 << 0 << 0 << false << false << 0 << true << st::POLARITY_OK << 0;
        QTest::newRow("selfsearch takes either")
            << 3000 << 0 << 0 << false << false << 2 << true << st::POLARITY_OK << 1;
        QTest::newRow("stopped: polarity unknown")
            << 0 << 0 << 0 << false << false << 2 << false << st::POLARITY_OK << 0;
    }

    void statusFlags()
    {
        QFETCH(int, rpm);
        QFETCH(int, in1Function);
        QFETCH(int, in2Function);
        QFETCH(int, polarita);
        QFETCH(int, offset);
        ParameterSet unit;
        unit.SetDefaults();
        unit.setInput(0, quint8(in1Function));
        unit.setInput(1, quint8(in2Function));
        unit.setPolarita(quint8(polarita));
        EngineState engine;
        engine.rpm = rpm;
        QFETCH(bool, in1);
        QFETCH(bool, in2);
        QFETCH(bool, negative);
        engine.input1 = in1;
        engine.input2 = in2;
        engine.pickupNegative = negative;
        const Frame frame = composeStatus(unit, engine, UnitCounters{});
        QVERIFY(wire::checkPasses(frame.data()));
        QTEST(int(frame[offset]), "expected");
    }

    void statusValues()
    {
        EngineState engine;
        engine.rpm = 0x1234;
        engine.supplyMv = 13800;
        UnitCounters counters;
        counters.eeDataError = true;
        counters.testValues[7] = 0xBEEF;
        const Frame frame = composeStatus(curveUnit(), engine, counters);
        QCOMPARE(frame[0], wire::ANSWER_STATUS);
        QCOMPARE(frame[st::ENGINE_RPM], 0x34); // low byte first
        QCOMPARE(frame[st::ENGINE_RPM + 1], 0x12);
        QCOMPARE(frame[st::TEST_VALUE + 14], 0xEF);
        QCOMPARE(frame[st::EE_DATA_ERROR], 1);
        QCOMPARE(frame[st::ADVANCE_NOW], 100 + 35);
        QCOMPARE(frame[st::ADVANCE_MAX], 35);
    }

    void monthCodes_data()
    {
        QTest::addColumn<QByteArray>("month");
        QTest::addColumn<int>("code");
        const int codes[] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
        const char *months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(months[i]) << QByteArray(months[i]) << codes[i];
    }

    void monthCodes()
    {
        QFETCH(QByteArray, month);
        QTEST(int(monthCode(month)), "code");
    }

    void unitInfoPage()
    {
        UnitIdentity id;
        id.longName = QByteArray(40, 'x');
        const Page page = composeUnitInfo(id, true);
        QCOMPARE(page[wire::info::MONTH_CODE], 38); // "Oct"
        QCOMPARE(page[wire::info::LONG_NAME + 29], 'x');
        QCOMPARE(page[wire::info::LONG_NAME + 30], 0); // never runs into the spare bytes
    }

    void readPermission_data()
    {
        QTest::addColumn<bool>("protectedByOption");
        QTest::addColumn<int>("noReading");
        QTest::addColumn<int>("allowed");
        QTest::newRow("open") << false << 0 << 1;
        QTest::newRow("stored read protection") << false << 1 << 0;
        QTest::newRow("option") << true << 0 << 0;
    }

    void readPermission()
    {
        QFETCH(bool, protectedByOption);
        QFETCH(int, noReading);
        UnitOptions options;
        options.readProtected = protectedByOption;
        UnitModel unit(options);
        ParameterSet image = unit.image();
        image.setNoReading(quint8(noReading));
        Page page1;
        std::copy(image.page(1), image.page(1) + 50, page1.begin());
        unit.setPage1(page1);
        const auto answer = unit.handle(request(wire::CMD_READ_PAGE0), {}, 0, {});
        QTEST(int((*answer.frame)[1 + wire::info::READ_ALLOWED]), "allowed");
    }

    void saveCountdown_data()
    {
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<int>("countdown");
        QTest::newRow("at the write") << 0 << 53;
        QTest::newRow("one step") << 55 << 52;
        QTest::newRow("last step") << 52 * 55 << 1;
        QTest::newRow("done") << 53 * 55 << 0;
    }

    void saveCountdown()
    {
        QFETCH(int, afterMs);
        UnitModel unit{UnitOptions{}};
        QCOMPARE(unit.saveCountdown(500), 0);
        unit.handle(request(wire::CMD_WRITE_PAGE1), {}, 500, {});
        QTEST(unit.saveCountdown(500 + afterMs), "countdown");
    }

    void unknownRequestsGetNoAnswer_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("page 2 write") << 0x02;
        QTest::newRow("page 2 read") << 0x42;
    }

    void unknownRequestsGetNoAnswer()
    {
        QFETCH(int, code);
        UnitModel unit{UnitOptions{}};
        QVERIFY(!unit.handle(request(quint8(code)), {}, 0, {}).frame);
    }

    void assembler_data()
    {
        QTest::addColumn<QList<int>>("chunkSizes"); // -n: n stray bytes
        QTest::addColumn<QList<int>>("chunkTimes");
        QTest::addColumn<int>("frames");
        QTest::newRow("whole frame") << QList<int>{52} << QList<int>{0} << 1;
        QTest::newRow("two frames at once") << QList<int>{104} << QList<int>{0} << 2;
        QTest::newRow("frame in pieces") << QList<int>{20, 32} << QList<int>{0, 10} << 1;
        QTest::newRow("stray bytes spoil the next frame, not the one after")
            << QList<int>{-3, 52, 52} << QList<int>{0, 0, 1} << 1;
        QTest::newRow("stray bytes without a pause")
            << QList<int>{-20, 52} << QList<int>{0, 10} << 0;
        QTest::newRow("a pause drops stray bytes")
            << QList<int>{-20, 52} << QList<int>{0, 100} << 1;
    }

    void assembler()
    {
        QFETCH(QList<int>, chunkSizes);
        QFETCH(QList<int>, chunkTimes);
        QByteArray frames;
        for (int i = 0; i < 4; ++i)
            frames += frameBytes(request(wire::CMD_STATUS));
        FrameAssembler assembler;
        int got = 0;
        qsizetype at = 0;
        for (int i = 0; i < chunkSizes.size(); ++i) {
            const int size = chunkSizes[i];
            const QByteArray chunk = size < 0 ? QByteArray(-size, '\x5A') : frames.mid(at, size);
            at += qMax(size, 0);
            for (const Frame &frame : assembler.append(chunk, chunkTimes[i])) {
                QCOMPARE(frame, request(wire::CMD_STATUS));
                ++got;
            }
        }
        QTEST(got, "frames");
    }

    void flipSpoilsExactlyOneBit()
    {
        FaultSettings settings;
        settings.flipPercent = 100;
        FaultInjector faults(7, settings);
        const Frame answer = request(wire::ANSWER_STATUS, 0x11);
        for (int i = 0; i < 20; ++i) {
            const QByteArray bytes = faults.deliver(answer).bytes;
            QCOMPARE(bytes.size(), 52);
            int bits = 0;
            for (int k = 0; k < 52; ++k)
                bits += qPopulationCount(quint8(bytes[k] ^ char(answer[k])));
            QCOMPARE(bits, 1);
            QVERIFY(!wire::checkPasses(reinterpret_cast<const quint8 *>(bytes.constData())));
        }
    }

    void firstSilentCountsEachCode()
    {
        FaultSettings settings;
        settings.firstSilent = 2;
        FaultInjector faults(1, settings);
        QVERIFY(faults.ignores(wire::CMD_STATUS));
        QVERIFY(faults.ignores(wire::CMD_STATUS));
        QVERIFY(faults.ignores(wire::CMD_READ_PAGE0));
        QVERIFY(!faults.ignores(wire::CMD_STATUS));
        QVERIFY(faults.ignores(wire::CMD_READ_PAGE0));
        QVERIFY(!faults.ignores(wire::CMD_READ_PAGE0));
        settings.dropPercent = 100;
        QVERIFY(FaultInjector(1, settings).deliver(request(0xB0)).bytes.isEmpty());
    }

    void sweep_data()
    {
        QTest::addColumn<qint64>("atMs");
        QTest::addColumn<int>("rpm");
        QTest::newRow("starts low") << qint64(0) << 1000;
        QTest::newRow("half way up") << qint64(5000) << 5500;
        QTest::newRow("top") << qint64(10000) << 10000;
        QTest::newRow("half way down") << qint64(15000) << 5500;
        QTest::newRow("low again") << qint64(20000) << 1000;
    }

    void sweep()
    {
        QFETCH(qint64, atMs);
        EngineModel engine;
        engine.sweep(*parseSweep("1000:10000:10"), 3000);
        QTEST(engine.state(3000 + atMs).rpm, "rpm");
    }

    void commands_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::newRow("rpm") << "rpm 3000" << true;
        QTest::newRow("rpm negative") << "rpm -1" << false;
        QTest::newRow("rpm too high") << "rpm 30001" << false;
        QTest::newRow("sweep") << "sweep 1000:9000:10" << true;
        QTest::newRow("sweep no time") << "sweep 1000:9000:0" << false;
        QTest::newRow("input") << "input1 on" << true;
        QTest::newRow("drop") << "fault drop 20" << true;
        QTest::newRow("drop over 100") << "fault drop 101" << false;
        QTest::newRow("split") << "fault split 7" << true;
        QTest::newRow("empty") << "   " << false;
    }

    void commands()
    {
        QFETCH(QString, line);
        EngineModel engine;
        FaultInjector faults(1);
        UnitModel unit{UnitOptions{}};
        ControlCommands commands(engine, faults, unit);
        const auto result = commands.execute(line, 0);
        QTEST(result.reply.startsWith("OK "), "ok");
        QVERIFY(!result.quit);
    }

    void commandsTakeEffect()
    {
        EngineModel engine;
        FaultInjector faults(1);
        UnitModel unit{UnitOptions{}};
        ControlCommands commands(engine, faults, unit);
        commands.execute("input2 on", 0);
        commands.execute("supply 7000", 0);
        commands.execute("ripple 0", 0);
        commands.execute("fault split 7", 0);
        const EngineState state = engine.state(123);
        QVERIFY(state.input2 && !state.input1);
        QCOMPARE(state.supplyMv, 7000);
        QCOMPARE(faults.settings().splitSize, 7);
        commands.execute("fault none", 0);
        QCOMPARE(faults.settings().splitSize, 0);
        QVERIFY(commands.execute("quit", 0).quit);
    }

    void showTellsTheStoredPage()
    {
        EngineModel engine;
        FaultInjector faults(1);
        UnitModel unit{UnitOptions{}};
        QByteArray stored;
        for (int i = 0; i < wire::kFrameDataSize; ++i)
            stored.append(char(0xF0 - i));
        Page page;
        std::copy(stored.begin(), stored.end(), page.begin());
        unit.setPage1(page);
        ControlCommands commands(engine, faults, unit);
        const QString reply = commands.execute("show", 0).reply;
        QVERIFY2(reply.endsWith("; page1 " + stored.toHex()), qPrintable(reply));
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::newRow("none") << QStringList{} << true;
        QTest::newRow("format version too big") << QStringList{"--format-version", "256"} << false;
        QTest::newRow("page 1") << QStringList{"--page1-hex", QString(100, 'a')} << true;
        QTest::newRow("page 1 not hex") << QStringList{"--page1-hex", QString(100, 'g')} << false;
        QTest::newRow("name of four") << QStringList{"--name", "ABCD"} << false;
        QTest::newRow("unknown option") << QStringList{"--fast"} << false;
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        arguments.prepend("zevras-sim");
        QString message;
        bool help = false;
        const auto config = parseOptions(arguments, &message, &help);
        QTEST(config.has_value(), "ok");
        QCOMPARE(message.isEmpty(), config.has_value());
    }

    void outputKeepsOrder()
    {
        QElapsedTimer clock;
        clock.start();
        QByteArray line;
        OutputQueue queue(clock, [&](const QByteArray &bytes) { line += bytes; });
        queue.send("late-", wire::kTickMs, 0, 0);
        queue.send("split", 0, 2, 1);
        QCOMPARE(line, QByteArray()); // the late answer holds back what follows it
        QTRY_COMPARE_WITH_TIMEOUT(line, QByteArray("late-split"), 18 * wire::kTickMs);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestSimUnit)
#include "tst_simunit.moc"
