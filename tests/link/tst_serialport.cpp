#include "FrameBytes.h"
#include "LinkFrame.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "PseudoTerminal.h"
#include "RecordingListener.h"
#include "SerialPort.h"
#include "TestFrames.h"

#include <QThread>
#include <QtTest>

namespace {

constexpr int kPatienceTicks = 10;

// One timer period without running the event loop: the port must bring in
// the bytes by itself.
void waitOneTick()
{
    QThread::msleep(PollCycle::kTickMs);
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!m_pty.isValid())
            QSKIP("no pseudo-terminal available");
    }

    void opensExclusively()
    {
        SerialPort port;
        QString error;
        QVERIFY2(port.open(m_pty.devicePath(), &error), qPrintable(error));
        SerialPort second;
        QVERIFY(!second.open(m_pty.devicePath(), &error));
        QVERIFY(!error.isEmpty());
        port.close();
        QVERIFY(!port.isOpen());
        QVERIFY2(second.open(m_pty.devicePath(), &error), qPrintable(error));
    }

    void missingDeviceFails()
    {
        SerialPort port;
        QString error;
        QVERIFY(!port.open(QStringLiteral("/dev/zevras-no-such-port"), &error));
        QVERIFY(!port.isOpen());
        QCOMPARE(port.bytesWaiting(), qint64(-1));
    }

    void bytesArriveWithoutEventLoop()
    {
        SerialPort port;
        QString error;
        QVERIFY2(port.open(m_pty.devicePath(), &error), qPrintable(error));
        const QByteArray answer = testframes::Status().word(wire::status::ENGINE_RPM, 4321).frame();
        QVERIFY(m_pty.send(answer.left(30)));
        waitOneTick();
        QCOMPARE(port.bytesWaiting(), qint64(30));
        QVERIFY(m_pty.send(answer.mid(30)));
        qint64 waiting = 0;
        for (int tick = 0; tick < kPatienceTicks && waiting < wire::kFrameSize; ++tick) {
            waitOneTick();
            waiting = port.bytesWaiting();
        }
        QCOMPARE(waiting, qint64(wire::kFrameSize));
        QCOMPARE(port.read(wire::kReceiveCap), answer);
        QCOMPARE(port.bytesWaiting(), qint64(0));
    }

    void writesReachTheLine()
    {
        SerialPort port;
        QString error;
        QVERIFY2(port.open(m_pty.devicePath(), &error), qPrintable(error));
        ParameterSet image;
        image.SetDefaults();
        const LinkFrame request = LinkFrame::pageRequest(wire::CMD_WRITE_PAGE1, false, image);
        QVERIFY(port.write(request.bytes()));
        QCOMPARE(m_pty.receive(wire::kFrameSize, PollCycle::kTickMs), bytesOf(request.bytes()));
        QVERIFY(port.write(LinkFrame::statusRequest().bytes()));
        QVERIFY(port.waitSent());
        QCOMPARE(m_pty.receive(wire::kFrameSize, PollCycle::kTickMs),
                 bytesOf(LinkFrame::statusRequest().bytes()));
    }

    // The poll cycle over the real port: polls, takes the answer on a later tick.
    void pollCycleOverPty()
    {
        SerialPort port;
        RecordingListener listener;
        PollCycle link(port);
        link.addListener(listener);
        QVERIFY(link.openComPort(1, m_pty.devicePath()));

        for (int tick = 0; tick < PollCycle::kStatusPollTicks; ++tick)
            link.tick();
        QCOMPARE(m_pty.receive(wire::kFrameSize, PollCycle::kTickMs),
                 bytesOf(LinkFrame::statusRequest().bytes()));
        QVERIFY(m_pty.send(testframes::Status()
                               .word(wire::status::ENGINE_RPM, 2500)
                               .set(wire::status::PICKUP_SIGNAL, 1)
                               .frame()));
        for (int tick = 0; tick < kPatienceTicks && link.engineSpeed() == 0; ++tick) {
            waitOneTick();
            link.tick();
        }
        QCOMPARE(link.engineSpeed(), quint16(2500));
        QCOMPARE(listener.statuses, 1);
        QVERIFY(listener.lastStatus->pickup);
        link.closeComPort();
    }

    // A hung-up device closes the port, whether a read or a write finds it.
    void hangUpClosesPort_data()
    {
        QTest::addColumn<bool>("writeFirst");
        QTest::newRow("found by a read") << false;
        QTest::newRow("found by a write") << true;
    }

    void hangUpClosesPort()
    {
        QFETCH(bool, writeFirst);
        PseudoTerminal pty;
        SerialPort port;
        QString error;
        QVERIFY2(port.open(pty.devicePath(), &error), qPrintable(error));
        QVERIFY(!port.deviceLost());
        pty.hangUp();
        const LinkFrame::Bytes request = LinkFrame::statusRequest().bytes();
        for (int tick = 0; tick < kPatienceTicks && !port.deviceLost(); ++tick) {
            waitOneTick();
            if (writeFirst)
                port.write(request);
            port.bytesWaiting();
        }
        QVERIFY(port.deviceLost());
        QVERIFY(!port.isOpen());
        QVERIFY(!port.write(request));
        QCOMPARE(port.bytesWaiting(), qint64(-1));
    }

private:
    PseudoTerminal m_pty;
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
