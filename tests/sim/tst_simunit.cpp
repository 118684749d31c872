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

Page pageOf(const Frame &frame)
{
    Page page;
    std::copy(frame.begin() + 1, frame.begin() + 1 + page.size(), page.begin());
    return page;
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
        QTest::newRow("on the last point") << 3 << 3000 << false << 35 << false << 35;
        QTest::newRow("above the last point") << 3 << 9000 << false << 35 << false << 35;
        QTest::newRow("retard takes degrees off") << 3 << 2500 << true << 19 << false << 35;
        QTest::newRow("retard below zero") << 3 << 0 << true << 2 << true << 35;
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
        QTest::newRow("shift light below")
            << 11999 << 0 << 0 << false << false << 2 << false << st::SHIFT_LIGHT_ON << 0;
        QTest::newRow("shift light at")
            << 12000 << 0 << 0 << false << false << 2 << false << st::SHIFT_LIGHT_ON << 1;
        QTest::newRow("limiter at")
            << 15000 << 0 << 0 << false << false << 2 << false << st::LIMITER_ON << 1;
        QTest::newRow("limiter below")
            << 14999 << 0 << 0 << false << false << 2 << false << st::LIMITER_ON << 0;
        QTest::newRow("start limiter needs its input")
            << 10000 << 4 << 0 << false << false << 2 << false << st::START_LIMITER_ON << 0;
        QTest::newRow("start limiter on input 2")
            << 10000 << 0 << 4 << false << true << 2 << false << st::START_LIMITER_ON << 1;
        QTest::newRow("kill switch on input 1")
            << 3000 << 1 << 1 << true << false << 2 << false << st::KILL_SWITCH_ON << 1;
        QTest::newRow("input 1 does not block")
            << 3000 << 1 << 1 << true << false << 2 << false << st::BLOCKING_ON << 0;
        QTest::newRow("blocking on input 2")
            << 3000 << 1 << 1 << false << true << 2 << false << st::BLOCKING_ON << 1;
        QTest::newRow("clutch master")
            << 3000 << 2 << 0 << true << false << 2 << false << st::CLUTCH_ON << 1;
        QTest::newRow("retard") << 3000 << 0 << 3 << false << true << 2 << false << st::RETARD_ON
                                << 1;
        QTest::newRow("input reported")
            << 3000 << 0 << 0 << false << true << 2 << false << st::INPUT2_ACTIVE << 1;
        QTest::newRow("stopped: no pick-up")
            << 0 << 0 << 0 << false << false << 2 << false << st::PICKUP_SIGNAL << 0;
        QTest::newRow("running: pick-up")
            << 800 << 0 << 0 << false << false << 2 << false << st::PICKUP_SIGNAL << 1;
        QTest::newRow("stopped: basic")
            << 0 << 0 << 0 << false << false << 2 << false << st::BASIC_ADVANCE << 1;
        QTest::newRow("negative measured")
            << 3000 << 0 << 0 << false << false << 1 << true << st::POLARITY_NEG << 1;
        QTest::newRow("negative set and measured")
            << 3000 << 0 << 0 << false << false << 1 << true << st::POLARITY_OK << 1;
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
        counters.progCount = 300;
        counters.saveCountdown = 53;
        counters.eeDataError = true;
        counters.formatVersion = 45;
        counters.testValues[7] = 0xBEEF;
        const Frame frame = composeStatus(curveUnit(), engine, counters);
        QCOMPARE(frame[0], wire::ANSWER_STATUS);
        QCOMPARE(frame[st::ENGINE_RPM], 0x34); // low byte first
        QCOMPARE(frame[st::ENGINE_RPM + 1], 0x12);
        QCOMPARE(u16At(frame, st::SUPPLY_MV), 13800);
        QCOMPARE(u16At(frame, st::PROG_COUNT), 300);
        QCOMPARE(u16At(frame, st::TEST_VALUE + 14), 0xBEEF);
        QCOMPARE(u16At(frame, st::SAVE_COUNTDOWN), 53);
        QCOMPARE(frame[st::EE_DATA_ERROR], 1);
        QCOMPARE(frame[st::FORMAT_VERSION], 45);
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

    void buildDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("ok");
        QTest::newRow("compiler style") << "Feb  3 2024"
                                        << "09:05" << true;
        QTest::newRow("unknown month") << "Foo 3 2024"
                                       << "09:05" << false;
        QTest::newRow("day 32") << "Feb 32 2024"
                                << "09:05" << false;
        QTest::newRow("last century") << "Feb 3 1999"
                                      << "09:05" << false;
        QTest::newRow("hour 24") << "Feb 3 2024"
                                 << "24:00" << false;
        QTest::newRow("no minutes") << "Feb 3 2024"
                                    << "9" << false;
    }

    void buildDate()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        UnitIdentity id;
        QTEST(parseBuildDate(date, &id) && parseBuildTime(time, &id), "ok");
    }

    void unitInfoPage()
    {
        UnitIdentity id;
        id.longName = QByteArray(40, 'x');
        const Page page = composeUnitInfo(id, true);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(page.data()), 3), QByteArray("SIL"));
        QCOMPARE(page[wire::info::NAME_NUMBER], 13);
        QCOMPARE(page[wire::info::DAY], 5);
        QCOMPARE(page[wire::info::MONTH_CODE], 38);
        QCOMPARE(page[wire::info::YEAR], 23);
        QCOMPARE(page[wire::info::READ_ALLOWED], 1);
        QCOMPARE(page[wire::info::FORMAT_VERSION], 46);
        QCOMPARE(page[wire::info::LONG_NAME + 29], 'x');
        QCOMPARE(page[wire::info::LONG_NAME + 30], 0); // never runs into the spare bytes
    }

    void pageZeroAnswers()
    {
        UnitModel unit{UnitOptions{}};
        for (quint8 code : {wire::CMD_WRITE_PAGE0, wire::CMD_READ_PAGE0}) {
            const auto answer = unit.handle(request(code, 0x77), {}, 0, {});
            QVERIFY(answer.frame);
            QVERIFY(wire::checkPasses(answer.frame->data()));
            QCOMPARE((*answer.frame)[0], code | 0x80);
            QCOMPARE(pageOf(*answer.frame), composeUnitInfo(UnitIdentity{}, true));
        }
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

    void pageOneWriteStoresAndCounts()
    {
        UnitOptions options;
        options.progCount = 7;
        UnitModel unit(options);
        const Frame write = request(wire::CMD_WRITE_PAGE1, 0x2A);
        const auto echo = unit.handle(write, {}, 1000, {});
        QCOMPARE((*echo.frame)[0], 0x81);
        QCOMPARE(pageOf(*echo.frame), pageOf(write));
        QCOMPARE(unit.progCount(), 8);
        // A read or verify request gets the stored page whatever it carries.
        const auto read = unit.handle(request(wire::CMD_READ_PAGE1, 0x55), {}, 1000, {});
        QCOMPARE((*read.frame)[0], 0xC1);
        QCOMPARE(pageOf(*read.frame), pageOf(write));
        const auto status = unit.handle(request(wire::CMD_STATUS), {}, 1000, {});
        QCOMPARE(u16At(*status.frame, st::PROG_COUNT), 8);
    }

    void saveCountdown_data()
    {
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<int>("countdown");
        QTest::newRow("at the write") << 0 << 53;
        QTest::newRow("within the first step") << 54 << 53;
        QTest::newRow("one step") << 55 << 52;
        QTest::newRow("last step") << 52 * 55 << 1;
        QTest::newRow("done") << 53 * 55 << 0;
        QTest::newRow("stays done") << 100000 << 0;
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
        QTest::newRow("an answer code") << 0xB0;
        QTest::newRow("near status") << 0x31;
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

    void garbageComesBeforeTheFrame()
    {
        FaultSettings settings;
        settings.garbage = true;
        FaultInjector faults(1, settings);
        const QByteArray frame = frameBytes(request(wire::ANSWER_STATUS));
        int spoiled = 0;
        for (int i = 0; i < 40; ++i) {
            const QByteArray bytes = faults.deliver(request(wire::ANSWER_STATUS)).bytes;
            QVERIFY(bytes.endsWith(frame));
            QVERIFY(bytes.size() <= 52 + FaultInjector::kMaxGarbageBytes);
            spoiled += bytes.size() > 52;
        }
        QVERIFY(spoiled > 0 && spoiled < 40);
    }

    void sameSeedSameFaults()
    {
        FaultSettings settings;
        settings.dropPercent = 50;
        settings.flipPercent = 50;
        FaultInjector a(42, settings), b(42, settings);
        for (int i = 0; i < 30; ++i)
            QCOMPARE(a.deliver(request(0xB0)).bytes, b.deliver(request(0xB0)).bytes);
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
        QTest::newRow("rpm word") << "rpm fast" << false;
        QTest::newRow("sweep") << "sweep 1000:9000:10" << true;
        QTest::newRow("sweep no time") << "sweep 1000:9000:0" << false;
        QTest::newRow("sweep upside down") << "sweep 9000:1000:10" << false;
        QTest::newRow("input") << "input1 on" << true;
        QTest::newRow("input 3") << "input3 on" << false;
        QTest::newRow("drop") << "fault drop 20" << true;
        QTest::newRow("drop over 100") << "fault drop 101" << false;
        QTest::newRow("split") << "fault split 7" << true;
        QTest::newRow("unknown fault") << "fault smoke 1" << false;
        QTest::newRow("fault none") << "fault none" << true;
        QTest::newRow("empty") << "   " << false;
        QTest::newRow("unknown") << "start engine" << false;
    }

    void commands()
    {
        QFETCH(QString, line);
        EngineModel engine;
        FaultInjector faults(1);
        ControlCommands commands(engine, faults);
        const auto result = commands.execute(line, 0);
        QTEST(result.reply.startsWith("OK "), "ok");
        QVERIFY(!result.quit);
    }

    void commandsTakeEffect()
    {
        EngineModel engine;
        FaultInjector faults(1);
        ControlCommands commands(engine, faults);
        commands.execute("rpm 4200", 0);
        commands.execute("input2 on", 0);
        commands.execute("supply 7000", 0);
        commands.execute("ripple 0", 0);
        commands.execute("fault split 7", 0);
        commands.execute("fault silent on", 0);
        const EngineState state = engine.state(123);
        QCOMPARE(state.rpm, 4200);
        QVERIFY(state.input2 && !state.input1);
        QCOMPARE(state.supplyMv, 7000);
        QCOMPARE(faults.settings().splitSize, 7);
        QVERIFY(faults.settings().silent);
        commands.execute("fault none", 0);
        QCOMPARE(faults.settings().splitSize, 0);
        QVERIFY(!faults.settings().silent);
        QVERIFY(commands.execute("quit", 0).quit);
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::newRow("none") << QStringList{} << true;
        QTest::newRow("faults") << QStringList{"--drop", "20", "--split", "7", "--garbage"} << true;
        QTest::newRow("format version") << QStringList{"--format-version", "45"} << true;
        QTest::newRow("format version too big") << QStringList{"--format-version", "256"} << false;
        QTest::newRow("page 1") << QStringList{"--page1-hex", QString(100, 'a')} << true;
        QTest::newRow("page 1 short") << QStringList{"--page1-hex", QString(98, 'a')} << false;
        QTest::newRow("page 1 not hex") << QStringList{"--page1-hex", QString(100, 'g')} << false;
        QTest::newRow("name of four") << QStringList{"--name", "ABCD"} << false;
        QTest::newRow("stray argument") << QStringList{"now"} << false;
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

    void optionsBecomeCommands()
    {
        QString message;
        bool help = false;
        const auto config = parseOptions(
            {"zevras-sim", "--rpm", "3000", "--silent", "--late", "100", "--read-protected"},
            &message, &help);
        QVERIFY(config);
        QVERIFY(config->unit.readProtected);
        QCOMPARE(config->startCommands,
                 QStringList({"rpm 3000", "fault silent on", "fault late 100"}));
    }

    void outputKeepsOrder()
    {
        QElapsedTimer clock;
        clock.start();
        QByteArray line;
        OutputQueue queue(clock, [&](const QByteArray &bytes) { line += bytes; });
        queue.send("late-", 30, 0, 0);
        queue.send("split", 0, 2, 1);
        QCOMPARE(line, QByteArray()); // the late answer holds back what follows it
        QTRY_COMPARE_WITH_TIMEOUT(line, QByteArray("late-split"), 18 * wire::kTickMs);
    }
};

QTEST_GUILESS_MAIN(TestSimUnit)
#include "tst_simunit.moc"
