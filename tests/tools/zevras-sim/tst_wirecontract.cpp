#include "LinkProtocol.h"

#include <QtTest>

#include <array>

// Pins the bytes the program and the unit exchange. A change here changes the
// wire, and every unit in the field would stop understanding the program.
class TestWireContract : public QObject
{
    Q_OBJECT

private slots:
    void statusRequestBytes()
    {
        std::array<std::uint8_t, wire::kFrameSize> frame{};
        frame[0] = wire::CMD_STATUS;
        frame[wire::kCheckIndex] = wire::checkByte(frame.data());
        QCOMPARE(wire::kFrameSize, 52);
        QCOMPARE(wire::kFrameDataSize, 50);
        QCOMPARE(frame[0], 0x30);
        for (int i = 1; i <= 50; ++i)
            QCOMPARE(frame[i], 0x00);
        QCOMPARE(frame[51], 0xCF);
        QVERIFY(wire::checkPasses(frame.data()));
    }

    void checkByteRule()
    {
        std::array<std::uint8_t, wire::kFrameSize> frame{};
        QVERIFY(!wire::checkPasses(frame.data())); // all zeros XOR to 0x00, not 0xFF
        for (int i = 0; i < wire::kFrameSize; ++i)
            frame[i] = std::uint8_t(i * 37 + 5);
        frame[wire::kCheckIndex] = wire::checkByte(frame.data());
        std::uint8_t all = 0;
        for (std::uint8_t b : frame)
            all ^= b;
        QCOMPARE(all, 0xFF);
    }

    void constants_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("CMD_WRITE_PAGE0") << int(wire::CMD_WRITE_PAGE0) << 0x00;
        QTest::newRow("CMD_WRITE_PAGE1") << int(wire::CMD_WRITE_PAGE1) << 0x01;
        QTest::newRow("CMD_STATUS") << int(wire::CMD_STATUS) << 0x30;
        QTest::newRow("CMD_READ_PAGE0") << int(wire::CMD_READ_PAGE0) << 0x40;
        QTest::newRow("CMD_READ_PAGE1") << int(wire::CMD_READ_PAGE1) << 0x41;
        QTest::newRow("ANSWER_STATUS") << int(wire::ANSWER_STATUS) << 0xB0;
        QTest::newRow("answer bit") << int(wire::kAnswerBit) << 0x80;
        QTest::newRow("page mask") << int(wire::kPageMask) << 0x3F;
        QTest::newRow("check seed") << int(wire::kCheckSeed) << 0xFF;
        QTest::newRow("check index") << wire::kCheckIndex << 51;
        QTest::newRow("PC_FORMAT_VERSION") << wire::PC_FORMAT_VERSION << 46;
        QTest::newRow("baud rate") << wire::kBaudRate << 57600;
        QTest::newRow("tick") << wire::kTickMs << 55;
        QTest::newRow("save full count") << wire::status::kSaveFullCount << 53;
        QTest::newRow("advance offset") << wire::status::kAdvanceOffset << 100;
    }

    void constants()
    {
        QFETCH(int, value);
        QFETCH(int, expected);
        QCOMPARE(value, expected);
    }

    void unitStatusLayout_data()
    {
        namespace st = wire::status;
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("ENGINE_RPM") << st::ENGINE_RPM << 2 << 1;
        QTest::newRow("SUPPLY_MV") << st::SUPPLY_MV << 2 << 3;
        QTest::newRow("PROG_COUNT") << st::PROG_COUNT << 2 << 5;
        QTest::newRow("TEST_VALUE") << st::TEST_VALUE << 2 * st::TEST_VALUE_COUNT << 7;
        QTest::newRow("INPUT1_ACTIVE") << st::INPUT1_ACTIVE << 1 << 29;
        QTest::newRow("INPUT2_ACTIVE") << st::INPUT2_ACTIVE << 1 << 30;
        QTest::newRow("ADVANCE_NOW") << st::ADVANCE_NOW << 1 << 31;
        QTest::newRow("ADVANCE_MAX") << st::ADVANCE_MAX << 1 << 32;
        QTest::newRow("POLARITY_NEG") << st::POLARITY_NEG << 1 << 33;
        QTest::newRow("POLARITY_OK") << st::POLARITY_OK << 1 << 34;
        QTest::newRow("START_LIMITER_ON") << st::START_LIMITER_ON << 1 << 35;
        QTest::newRow("LIMITER_ON") << st::LIMITER_ON << 1 << 36;
        QTest::newRow("BLOCKING_ON") << st::BLOCKING_ON << 1 << 37;
        QTest::newRow("KILL_SWITCH_ON") << st::KILL_SWITCH_ON << 1 << 38;
        QTest::newRow("SHIFT_LIGHT_ON") << st::SHIFT_LIGHT_ON << 1 << 39;
        QTest::newRow("RETARD_ON") << st::RETARD_ON << 1 << 40;
        QTest::newRow("CLUTCH_ON") << st::CLUTCH_ON << 1 << 41;
        QTest::newRow("PICKUP_SIGNAL") << st::PICKUP_SIGNAL << 1 << 42;
        QTest::newRow("BASIC_ADVANCE") << st::BASIC_ADVANCE << 1 << 43;
        QTest::newRow("SAVE_COUNTDOWN") << st::SAVE_COUNTDOWN << 2 << 47;
        QTest::newRow("EE_DATA_ERROR") << st::EE_DATA_ERROR << 1 << 49;
        QTest::newRow("FORMAT_VERSION") << st::FORMAT_VERSION << 1 << 50;
    }

    void unitStatusLayout()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(offset, expected);
        QVERIFY(offset >= 1 && offset + width <= wire::kCheckIndex);
    }

    void unitInfoLayout_data()
    {
        namespace in = wire::info;
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("NAME") << in::NAME << 0;
        QTest::newRow("NAME_NUMBER") << in::NAME_NUMBER << 3;
        QTest::newRow("DAY") << in::DAY << 4;
        QTest::newRow("MONTH_CODE") << in::MONTH_CODE << 5;
        QTest::newRow("YEAR") << in::YEAR << 6;
        QTest::newRow("HOUR") << in::HOUR << 7;
        QTest::newRow("MINUTE") << in::MINUTE << 8;
        QTest::newRow("READ_ALLOWED") << in::READ_ALLOWED << 9;
        QTest::newRow("FORMAT_VERSION") << in::FORMAT_VERSION << 10;
        QTest::newRow("LONG_NAME") << in::LONG_NAME << 16;
        QTest::newRow("LONG_NAME_SIZE") << in::LONG_NAME_SIZE << 30;
    }

    void unitInfoLayout()
    {
        QFETCH(int, offset);
        QFETCH(int, expected);
        QCOMPARE(offset, expected);
        QVERIFY(wire::info::LONG_NAME + wire::info::LONG_NAME_SIZE <= wire::kFrameDataSize);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestWireContract)
#include "tst_wirecontract.moc"
