#include "FrameBytes.h"
#include "LinkFrame.h"
#include "ParameterSet.h"
#include "TestFrames.h"
#include "UnitInfo.h"

#include <QtTest>

namespace {

ParameterSet numberedImage()
{
    ParameterSet image;
    for (int pos = 0; pos < ParameterSet::kSize; ++pos)
        image.set(pos, quint8(pos + 1));
    return image;
}

} // namespace

class TestLinkFrame : public QObject
{
    Q_OBJECT

private slots:
    void statusRequestIsFixed()
    {
        QByteArray expected(52, '\0');
        expected[0] = char(0x30);
        expected[51] = char(0xCF);
        QCOMPARE(bytesOf(LinkFrame::statusRequest().bytes()), expected);
    }

    void pageRequest_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("zeros");
        QTest::addColumn<int>("firstImageByte"); // -1: data bytes are zero

        QTest::newRow("read page 0 carries zeros") << 0x40 << true << -1;
        QTest::newRow("read page 1 carries zeros") << 0x41 << true << -1;
        QTest::newRow("verify page 1 carries the parameters") << 0x41 << false << 50;
        QTest::newRow("write page 0 carries the identification") << 0x00 << false << 0;
        QTest::newRow("write page 1 carries the parameters") << 0x01 << false << 50;
    }

    void pageRequest()
    {
        QFETCH(int, command);
        QFETCH(bool, zeros);
        QFETCH(int, firstImageByte);
        const ParameterSet image = numberedImage();
        const LinkFrame frame = LinkFrame::pageRequest(quint8(command), zeros, image);
        QCOMPARE(int(frame.code()), command);
        for (int k = 0; k < 50; ++k) {
            const int expected = firstImageByte < 0 ? 0 : image.at(firstImageByte + k);
            QCOMPARE(int(frame.data()[k]), expected);
        }
        quint8 all = 0;
        for (quint8 b : frame.bytes())
            all ^= b;
        QCOMPARE(int(all), 0xFF);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("passes");

        quint8 data[50];
        for (int k = 0; k < 50; ++k)
            data[k] = quint8(3 * k);
        const QByteArray good = testframes::frame(0xC1, data);
        QByteArray dataFlipped = good;
        dataFlipped[20] = char(dataFlipped[20] ^ 0x04);
        QByteArray checkFlipped = good;
        checkFlipped[51] = char(checkFlipped[51] ^ 0x80);

        QTest::newRow("sound frame") << good << true;
        QTest::newRow("52 zero bytes") << QByteArray(52, '\0') << false;
        QTest::newRow("one data bit wrong") << dataFlipped << false;
        QTest::newRow("check byte wrong") << checkFlipped << false;
    }

    void check()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, passes);
        QCOMPARE(LinkFrame::fromReceived(bytes.constData()).checkPasses(), passes);
    }

    void answers_data()
    {
        QTest::addColumn<int>("answerCode");
        QTest::addColumn<int>("pending");
        QTest::addColumn<bool>("matches");

        QTest::newRow("0xC1 answers 0x41") << 0xC1 << 0x41 << true;
        QTest::newRow("0xC1 does not answer 0x40") << 0xC1 << 0x40 << false;
        QTest::newRow("0xC1 does not answer 0x01") << 0xC1 << 0x01 << false;
        QTest::newRow("0x80 answers 0x00") << 0x80 << 0x00 << true;
        QTest::newRow("an echo of the request is no answer") << 0x41 << 0x41 << false;
    }

    void answers()
    {
        QFETCH(int, answerCode);
        QFETCH(int, pending);
        QFETCH(bool, matches);
        const quint8 data[50] = {};
        const QByteArray bytes = testframes::frame(quint8(answerCode), data);
        QCOMPARE(LinkFrame::fromReceived(bytes.constData()).answers(quint8(pending)), matches);
    }

    void unitInfo_data()
    {
        QTest::addColumn<QByteArray>("page0");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");

        auto page = [](int day, int month, int year, int hour, int minute) {
            QByteArray p(50, '\0');
            p.replace(0, 3, "SIL");
            p[3] = 13;
            p[4] = char(day);
            p[5] = char(month);
            p[6] = char(year);
            p[7] = char(hour);
            p[8] = char(minute);
            p[10] = 46;
            return p;
        };
        QTest::newRow("January") << page(25, 25, 3, 16, 21) << "SIL13"
                                 << "25. 1.2003"
                                 << "16:21";
        QTest::newRow("day below 10 blank-padded, October") << page(5, 38, 12, 7, 5) << "SIL13"
                                                            << " 5.10.2012"
                                                            << "07:05";
        QTest::newRow("December") << page(31, 12, 99, 0, 0) << "SIL13"
                                  << "31.12.2099"
                                  << "00:00";
        QTest::newRow("unknown month code") << page(1, 0, 0, 23, 59) << "SIL13"
                                            << " 1.00.2000"
                                            << "23:59";

        QByteArray numbered = page(1, 25, 1, 0, 0);
        numbered[3] = 5;
        QTest::newRow("name number two digits") << numbered << "SIL05"
                                                << " 1. 1.2001"
                                                << "00:00";

        QByteArray longName = page(1, 25, 1, 0, 0);
        longName.replace(16, 12, QByteArray("ZEVRA-S2 V3\0", 12));
        QTest::newRow("long name up to its zero") << longName << "ZEVRA-S2 V3"
                                                  << " 1. 1.2001"
                                                  << "00:00";

        QByteArray fullName = page(1, 25, 1, 0, 0);
        fullName.replace(16, 30, QByteArray(30, 'x'));
        QTest::newRow("long name of 30 characters")
            << fullName << QString(30, QLatin1Char('x')) << " 1. 1.2001"
            << "00:00";
    }

    void unitInfo()
    {
        QFETCH(QByteArray, page0);
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, time);
        const UnitIdentification id =
            decodeUnitInfo(reinterpret_cast<const quint8 *>(page0.constData()));
        QCOMPARE(id.name, name);
        QCOMPARE(id.date, date);
        QCOMPARE(id.time, time);
    }

    void monthCodes()
    {
        const char *const names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        for (int month = 0; month < 12; ++month) {
            const char *n = names[month];
            const quint8 code = quint8(n[0] + n[1] + n[2]);
            QCOMPARE(monthText(code), QString::asprintf("%2d", month + 1));
        }
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestLinkFrame)
#include "tst_linkframe.moc"
