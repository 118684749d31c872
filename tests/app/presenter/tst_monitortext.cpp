#include "CurvePoint.h"
#include "LinkProtocol.h"
#include "MessageTable.h"
#include "MonitorText.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "TestFrames.h"

#include <QtTest>

Q_DECLARE_METATYPE(LabelColour)
Q_DECLARE_METATYPE(MonitorLabel)
Q_DECLARE_METATYPE(std::optional<int>)

namespace st = wire::status;

namespace {

MonitorValues values(const testframes::Status &status)
{
    return MonitorValues::fromStatus(StatusRecord(status.bytes));
}

testframes::Status running(quint16 rpm)
{
    testframes::Status s;
    s.word(st::ENGINE_RPM, rpm).set(st::PICKUP_SIGNAL, 1).set(st::POLARITY_OK, 1);
    s.set(st::ADVANCE_NOW, 110).set(st::ADVANCE_MAX, 30).word(st::SUPPLY_MV, 13000);
    return s;
}

} // namespace

class TestMonitorText : public QObject
{
    Q_OBJECT

    lang::MessageTable m_messages;
    MonitorText m_decoder{m_messages};

    MonitorDisplay decode(const testframes::Status &status, quint8 hardLimiter = 150)
    {
        return m_decoder.decode(values(status), hardLimiter);
    }

private slots:
    void supplyVoltage_data()
    {
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<LabelColour>("colour");
        QTest::addColumn<QString>("text");

        QTest::newRow("7000 red") << 7000 << LabelColour::Red << "U =  7.0 [V]";
        QTest::newRow("7001 yellow") << 7001 << LabelColour::Yellow << "U =  7.0 [V]";
        QTest::newRow("11000 yellow") << 11000 << LabelColour::Yellow << "U = 11.0 [V]";
        QTest::newRow("11001 normal") << 11001 << LabelColour::Normal << "U = 11.0 [V]";
        QTest::newRow("12345 one decimal") << 12345 << LabelColour::Normal << "U = 12.3 [V]";
        QTest::newRow("11450 rounds down") << 11450 << LabelColour::Normal << "U = 11.4 [V]";
        QTest::newRow("12450 rounds down") << 12450 << LabelColour::Normal << "U = 12.4 [V]";
        QTest::newRow("13450 rounds down") << 13450 << LabelColour::Normal << "U = 13.4 [V]";
        QTest::newRow("14450 rounds down") << 14450 << LabelColour::Normal << "U = 14.4 [V]";
        QTest::newRow("14998 normal") << 14998 << LabelColour::Normal << "U = 15.0 [V]";
        QTest::newRow("14999 yellow") << 14999 << LabelColour::Yellow << "U = 15.0 [V]";
        QTest::newRow("17998 yellow") << 17998 << LabelColour::Yellow << "U = 18.0 [V]";
        QTest::newRow("17999 red") << 17999 << LabelColour::Red << "U = 18.0 [V]";
        QTest::newRow("0 red") << 0 << LabelColour::Red << "U =  0.0 [V]";
    }

    void supplyVoltage()
    {
        QFETCH(int, millivolts);
        QFETCH(LabelColour, colour);
        QFETCH(QString, text);
        testframes::Status s;
        s.word(st::SUPPLY_MV, quint16(millivolts));
        const MonitorDisplay display = decode(s);
        const MonitorDisplay::Line &line = display.line(MonitorLabel::LabelNapeti);
        QCOMPARE(line.colour, std::optional<LabelColour>(colour));
        QCOMPARE(line.text, text);
    }

    void advance_data()
    {
        QTest::addColumn<int>("now");
        QTest::addColumn<int>("max");
        QTest::addColumn<bool>("pickup");
        QTest::addColumn<bool>("basic");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelColour>("colour");

        QTest::newRow("below max") << 125 << 30 << true << false
                                   << "Advance = 25\u00B0 /max 30\u00B0" << LabelColour::Normal;
        QTest::newRow("at max yellow") << 130 << 30 << true << false
                                       << "Advance = 30\u00B0 /max 30\u00B0" << LabelColour::Yellow;
        QTest::newRow("negative advance")
            << 90 << 5 << true << false << "Advance = -10\u00B0 /max 5\u00B0"
            << LabelColour::Normal;
        QTest::newRow("basic advance keeps the colour rule")
            << 140 << 30 << true << true << "Advance = Basic" << LabelColour::Yellow;
        QTest::newRow("no pick-up is basic")
            << 100 << 30 << false << false << "Advance = Basic" << LabelColour::Normal;
    }

    void advance()
    {
        QFETCH(int, now);
        QFETCH(int, max);
        QFETCH(bool, pickup);
        QFETCH(bool, basic);
        QFETCH(QString, text);
        QFETCH(LabelColour, colour);
        testframes::Status s = running(4000);
        s.set(st::ADVANCE_NOW, quint8(now)).set(st::ADVANCE_MAX, quint8(max));
        s.set(st::PICKUP_SIGNAL, pickup).set(st::BASIC_ADVANCE, basic);
        const MonitorDisplay display = decode(s);
        const MonitorDisplay::Line &line = display.line(MonitorLabel::LabelMon_Advance);
        QCOMPARE(line.text, text);
        QCOMPARE(line.colour, std::optional<LabelColour>(colour));
    }

    void noPickupShowsStandstill()
    {
        testframes::Status s = running(3000);
        s.set(st::PICKUP_SIGNAL, 0).set(st::POLARITY_OK, 0);
        const MonitorDisplay d = decode(s);
        QCOMPARE(values(s).engineSpeed, quint16(0));
        QCOMPARE(d.line(MonitorLabel::LabelRpm).text, QStringLiteral("RPM = 0 "));
        QCOMPARE(d.rpmGauge, 0);
        QCOMPARE(d.line(MonitorLabel::LabelMon_Advance).text, QStringLiteral("Advance = Basic"));
        QCOMPARE(d.line(MonitorLabel::LabelSnimac).text,
                 QStringLiteral("Pick-up (CPS) -  no signal"));
        QCOMPARE(d.line(MonitorLabel::LabelSnimac).colour,
                 std::optional<LabelColour>(LabelColour::Normal));
        QCOMPARE(d.line(MonitorLabel::LabelPolaritaMer).text,
                 QStringLiteral("Polarity of CKPS: ---"));
        QCOMPARE(d.line(MonitorLabel::LabelPolaritaMer).colour,
                 std::optional<LabelColour>(LabelColour::Normal));
    }

    void speedGauge_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("hardLimiter");
        QTest::addColumn<int>("gauge");

        QTest::newRow("half the limiter") << 7500 << 150 << 50;
        QTest::newRow("truncated") << 7599 << 150 << 50;
        QTest::newRow("limiter byte 0 divides by 100") << 5000 << 0 << 50;
        QTest::newRow("above the limiter stays full") << 16000 << 150 << 100;
    }

    void speedGauge()
    {
        QFETCH(int, rpm);
        QFETCH(int, hardLimiter);
        QFETCH(int, gauge);
        const MonitorDisplay d = decode(running(quint16(rpm)), quint8(hardLimiter));
        QCOMPARE(d.rpmGauge, gauge);
        QCOMPARE(d.line(MonitorLabel::LabelRpm).text, QString::asprintf("RPM = %d ", rpm));
    }

    void flags_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<MonitorLabel>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<LabelColour>("onColour");

        QTest::newRow("start limiter")
            << st::START_LIMITER_ON << MonitorLabel::LabelMonStartLimiterOut
            << "Start limiter: " << LabelColour::Fuchsia;
        QTest::newRow("limiter") << st::LIMITER_ON << MonitorLabel::LabelMonHardLimiter
                                 << "Limiter - " << LabelColour::Red;
        QTest::newRow("shift light") << st::SHIFT_LIGHT_ON << MonitorLabel::LabelMonLedRazeni
                                     << "Gear shift light - " << LabelColour::Yellow;
        QTest::newRow("clutch master") << st::CLUTCH_ON << MonitorLabel::LabelClutchMon
                                       << "Clutch master - " << LabelColour::Red;
        QTest::newRow("retard") << st::RETARD_ON << MonitorLabel::LabelMonRetard << "Retard - "
                                << LabelColour::Aqua;
        QTest::newRow("blocking") << st::BLOCKING_ON << MonitorLabel::LabelBlocking
                                  << "Motor off - " << LabelColour::Red;
        QTest::newRow("kill switch") << st::KILL_SWITCH_ON << MonitorLabel::LabelKillSwitch
                                     << "Kill switch - " << LabelColour::Red;
        QTest::newRow("input 1") << st::INPUT1_ACTIVE << MonitorLabel::LabelMonInput1In
                                 << "Input 1: " << LabelColour::Fuchsia;
        QTest::newRow("input 2") << st::INPUT2_ACTIVE << MonitorLabel::LabelMonInput2In
                                 << "Input 2: " << LabelColour::Aqua;
    }

    void flags()
    {
        QFETCH(int, offset);
        QFETCH(MonitorLabel, label);
        QFETCH(QString, caption);
        QFETCH(LabelColour, onColour);
        testframes::Status s = running(2000);
        const MonitorDisplay off = decode(s);
        QCOMPARE(off.line(label).text, caption + QStringLiteral("No"));
        QCOMPARE(off.line(label).colour, std::optional<LabelColour>(LabelColour::Normal));
        s.set(offset, 7); // any value but 0 is set
        const MonitorDisplay on = decode(s);
        QCOMPARE(on.line(label).text, caption + QStringLiteral("Yes"));
        QCOMPARE(on.line(label).colour, std::optional<LabelColour>(onColour));
    }

    void polarity_data()
    {
        QTest::addColumn<bool>("negative");
        QTest::addColumn<bool>("good");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelColour>("colour");

        QTest::newRow("negative, good")
            << true << true << "Polarity of CKPS: Negative" << LabelColour::Normal;
        QTest::newRow("positive, bad")
            << false << false << "Polarity of CKPS: Positive" << LabelColour::Red;
    }

    void polarity()
    {
        QFETCH(bool, negative);
        QFETCH(bool, good);
        QFETCH(QString, text);
        QFETCH(LabelColour, colour);
        testframes::Status s = running(1200);
        s.set(st::POLARITY_NEG, negative).set(st::POLARITY_OK, good);
        const MonitorDisplay display = decode(s);
        const MonitorDisplay::Line &line = display.line(MonitorLabel::LabelPolaritaMer);
        QCOMPARE(line.text, text);
        QCOMPARE(line.colour, std::optional<LabelColour>(colour));
    }

    void versionAndCounters()
    {
        testframes::Status s = running(1000);
        s.set(st::FORMAT_VERSION, 45).set(st::EE_DATA_ERROR, 1).word(st::PROG_COUNT, 1234);
        for (int i = 0; i < st::TEST_VALUE_COUNT; ++i)
            s.word(st::TEST_VALUE + 2 * i, quint16(60000 + i));
        const MonitorDisplay d = decode(s);
        QVERIFY(!d.versionMatches);
        QCOMPARE(d.versionText,
                 QStringLiteral("Unmatched version of PC and Ignition programs!  PC-46, IGN-45"));
        QVERIFY(d.eeDataError);
        QCOMPARE(d.line(MonitorLabel::LabelPocetProgramovani).text,
                 QStringLiteral("Number of Programing= 1234"));
        QCOMPARE(d.line(MonitorLabel::LabelTest1).text, QStringLiteral("Test1 = 60000 "));
        QCOMPARE(d.line(MonitorLabel::LabelTest8).text, QStringLiteral("Test8 = 60007 "));
        QVERIFY(!d.line(MonitorLabel::LabelTest8).colour);

        s.set(st::FORMAT_VERSION, 46).set(st::EE_DATA_ERROR, 0);
        QVERIFY(decode(s).versionMatches);
        QVERIFY(!decode(s).eeDataError);
    }

    void labelNames()
    {
        QCOMPARE(monitorLabelName(MonitorLabel::LabelRpm), "LabelRpm");
        QCOMPARE(monitorLabelName(MonitorLabel::LabelPolaritaMer), "LabelPolaritaMer");
        QCOMPARE(monitorLabelName(MonitorLabel::LabelPocetProgramovani), "LabelPocetProgramovani");
        QCOMPARE(monitorLabelName(MonitorLabel::LabelTest1), "LabelTest1");
        QCOMPARE(monitorLabelName(MonitorLabel::LabelTest8), "LabelTest8");
    }

    void curvePoint_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("rpm");
        QTest::addColumn<std::optional<int>>("expected");

        const std::optional<int> none;
        QTest::newRow("1500 ties to the lower point") << 3 << 1500 << std::optional<int>(0);
        QTest::newRow("1600 nearer the second") << 3 << 1600 << std::optional<int>(1);
        QTest::newRow("on a point") << 3 << 2000 << std::optional<int>(1);
        QTest::newRow("3500 beyond the last") << 3 << 3500 << std::optional<int>(2);
        QTest::newRow("900 below the first") << 3 << 900 << none;
        QTest::newRow("stopped engine") << 3 << 0 << none;
        QTest::newRow("no points in use") << 0 << 2000 << none;
        QTest::newRow("above the byte range stays on the last")
            << 3 << 30000 << std::optional<int>(2);
        QTest::newRow("point count beyond 15 keeps to the curve")
            << 200 << 30000 << std::optional<int>(14);
    }

    void curvePoint()
    {
        QFETCH(int, points);
        QFETCH(int, rpm);
        QFETCH(std::optional<int>, expected);
        ParameterSet image;
        image.SetDefaults(); // points 10, 20, 30, ... hundreds of rpm
        image.setPocetBodu(quint8(points));
        QCOMPARE(nearestCurvePoint(image, quint16(rpm)), expected);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestMonitorText)
#include "tst_monitortext.moc"
