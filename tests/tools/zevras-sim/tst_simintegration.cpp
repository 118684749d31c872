#include "SimFrame.h"
#include "TestPaths.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

namespace st = wire::status;

namespace {

// Waits follow the program's own clock: a unit silent for the watchdog's 18
// ticks counts as gone (four times that for an answer that must come, as a
// busy machine may hold the simulator back), a page request is resent after 4.
constexpr int kAnswerMs = 4 * 18 * wire::kTickMs;
constexpr int kResendMs = 4 * wire::kTickMs;
constexpr int kStartMs = 200 * wire::kTickMs; // the program's message time; start-up is far quicker
// The store takes the full count of the simulator's ticks; a busy machine
// may stretch them.
constexpr int kSaveMs = 4 * st::kSaveFullCount * wire::kTickMs;

Frame request(quint8 code, const Page &data = Page{})
{
    return makeFrame(code, data.data());
}

Page pageOf(const Frame &frame)
{
    Page page;
    std::copy(frame.begin() + 1, frame.begin() + 1 + page.size(), page.begin());
    return page;
}

// One run of the real simulator, with the program's kind of serial port on its device.
class SimRun
{
public:
    explicit SimRun(const QStringList &arguments)
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] {
            while (m_process.canReadLine())
                m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
        });
        m_process.start(testpaths::simulator(), arguments);
    }

    ~SimRun()
    {
        m_port.close();
        m_process.terminate();
        if (!m_process.waitForFinished(kStartMs))
            m_process.kill();
    }

    // Waits for the device line and opens the port at 57600 8N1.
    bool open()
    {
        if (!QTest::qWaitFor([this] { return !m_lines.isEmpty(); }, kStartMs) ||
            !m_lines.first().startsWith(QLatin1String("DEVICE ")))
            return false;
        m_device = m_lines.first().mid(7);
        m_port.setPortName(m_device);
        if (!m_port.open(QIODevice::ReadWrite))
            return false;
        return m_port.setBaudRate(wire::kBaudRate) && m_port.setDataBits(QSerialPort::Data8) &&
               m_port.setParity(QSerialPort::NoParity) &&
               m_port.setStopBits(QSerialPort::OneStop) &&
               m_port.setFlowControl(QSerialPort::NoFlowControl);
    }

    void send(const QByteArray &bytes)
    {
        m_port.write(bytes);
        m_port.flush();
    }

    // The 52 bytes that come back for one request, or none within the deadline.
    std::optional<Frame> exchange(const Frame &frame)
    {
        m_received.clear();
        m_port.readAll();
        send(frameBytes(frame));
        return awaitFrame(kAnswerMs);
    }

    std::optional<Frame> awaitFrame(int timeoutMs)
    {
        const bool arrived = QTest::qWaitFor(
            [this] {
                m_received += m_port.readAll();
                return m_received.size() >= wire::kFrameSize;
            },
            timeoutMs);
        if (!arrived)
            return std::nullopt;
        Frame answer;
        std::copy(m_received.begin(), m_received.begin() + wire::kFrameSize, answer.begin());
        m_received.remove(0, wire::kFrameSize);
        return answer;
    }

    bool waitForLine(const QString &start)
    {
        return QTest::qWaitFor(
            [&] {
                return std::any_of(m_lines.begin(), m_lines.end(),
                                   [&](const QString &line) { return line.startsWith(start); });
            },
            kAnswerMs);
    }

    void command(const QString &line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }

    QProcess &process() { return m_process; }
    QString device() const { return m_device; }

private:
    QProcess m_process;
    QStringList m_lines;
    QSerialPort m_port;
    QString m_device;
    QByteArray m_received;
};

bool good(const std::optional<Frame> &frame, quint8 code)
{
    return frame && (*frame)[0] == code && wire::checkPasses(frame->data());
}

} // namespace

class TestSimIntegration : public QObject
{
    Q_OBJECT

private slots:
    void statusAnswer()
    {
        SimRun sim({"--rpm", "3000"});
        QVERIFY(sim.open());
        const auto answer = sim.exchange(request(wire::CMD_STATUS));
        QVERIFY(good(answer, wire::ANSWER_STATUS));
        QCOMPARE((*answer)[st::FORMAT_VERSION], wire::PC_FORMAT_VERSION);
        QCOMPARE(u16At(*answer, st::ENGINE_RPM), 3000);
        QCOMPARE((*answer)[st::PICKUP_SIGNAL], 1);
        QVERIFY(qAbs(u16At(*answer, st::SUPPLY_MV) - 13800) <= 100);
    }

    void speedChangesAtRunTime()
    {
        SimRun sim({"--rpm", "0"});
        QVERIFY(sim.open());
        QCOMPARE((*sim.exchange(request(wire::CMD_STATUS)))[st::PICKUP_SIGNAL], 0);
        sim.command("rpm 4200");
        QVERIFY(sim.waitForLine("OK rpm 4200"));
        const auto answer = sim.exchange(request(wire::CMD_STATUS));
        QVERIFY(good(answer, wire::ANSWER_STATUS));
        QCOMPARE(u16At(*answer, st::ENGINE_RPM), 4200);
    }

    void pageOneWriteEchoesAndReadsBack()
    {
        SimRun sim({"--prog-count", "4"});
        QVERIFY(sim.open());
        Page page;
        for (int i = 0; i < 50; ++i)
            page[i] = quint8(3 * i + 1);
        const auto echo = sim.exchange(request(wire::CMD_WRITE_PAGE1, page));
        QVERIFY(good(echo, 0x81));
        QCOMPARE(pageOf(*echo), page);
        const auto read = sim.exchange(request(wire::CMD_READ_PAGE1));
        QVERIFY(good(read, 0xC1));
        QCOMPARE(pageOf(*read), page);
        const auto status = sim.exchange(request(wire::CMD_STATUS));
        QCOMPARE(u16At(*status, st::PROG_COUNT), 5);
    }

    void saveCountdownRunsDown()
    {
        SimRun sim({});
        QVERIFY(sim.open());
        QCOMPARE(u16At(*sim.exchange(request(wire::CMD_STATUS)), st::SAVE_COUNTDOWN), 0);
        QVERIFY(good(sim.exchange(request(wire::CMD_WRITE_PAGE1)), 0x81));
        QList<int> seen;
        auto countdown = [&] {
            const auto status = sim.exchange(request(wire::CMD_STATUS));
            seen << (status ? u16At(*status, st::SAVE_COUNTDOWN) : -1);
            return seen.last();
        };
        // Storing, and counting down from the full count to done; how far it
        // got by the first poll depends on how busy the machine is.
        const int first = countdown();
        QVERIFY2(first > 0 && first <= st::kSaveFullCount, qPrintable(QString::number(first)));
        QTRY_COMPARE_WITH_TIMEOUT(countdown(), 0, kSaveMs);
        QVERIFY(!seen.contains(-1));
        QVERIFY(std::is_sorted(seen.rbegin(), seen.rend()));
    }

    void pageZero_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("readAllowed");
        QTest::addColumn<int>("version");
        QTest::newRow("read") << QStringList{} << int(wire::CMD_READ_PAGE0) << 1 << 46;
        QTest::newRow("write answers the unit's own")
            << QStringList{} << int(wire::CMD_WRITE_PAGE0) << 1 << 46;
        QTest::newRow("read protected")
            << QStringList{"--read-protected"} << int(wire::CMD_READ_PAGE0) << 0 << 46;
        QTest::newRow("other version")
            << QStringList{"--format-version", "45"} << int(wire::CMD_READ_PAGE0) << 1 << 45;
    }

    void pageZero()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(int, version);
        SimRun sim(arguments);
        QVERIFY(sim.open());
        Page mine;
        mine.fill(0xEE);
        const auto answer = sim.exchange(request(quint8(code), mine));
        QVERIFY(good(answer, quint8(code | 0x80)));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(answer->data()) + 1, 3), "SIL");
        QCOMPARE((*answer)[1 + wire::info::NAME_NUMBER], 13);
        QTEST(int((*answer)[1 + wire::info::READ_ALLOWED]), "readAllowed");
        QCOMPARE(int((*answer)[1 + wire::info::FORMAT_VERSION]), version);
        const auto status = sim.exchange(request(wire::CMD_STATUS));
        QCOMPARE(int((*status)[st::FORMAT_VERSION]), version);
    }

    void silentUnitSendsNothing()
    {
        SimRun sim({"--silent", "--verbose"});
        QVERIFY(sim.open());
        sim.send(frameBytes(request(wire::CMD_STATUS)));
        QVERIFY(sim.waitForLine("0x30 ignored"));
        QVERIFY(!sim.awaitFrame(kResendMs));
    }

    void firstRequestIgnored()
    {
        SimRun sim({"--first-silent", "1", "--verbose"});
        QVERIFY(sim.open());
        sim.send(frameBytes(request(wire::CMD_STATUS)));
        QVERIFY(sim.waitForLine("0x30 ignored"));
        QVERIFY(!sim.awaitFrame(kResendMs));
        QVERIFY(good(sim.exchange(request(wire::CMD_STATUS)), wire::ANSWER_STATUS));
    }

    void splitAnswerArrivesWhole()
    {
        SimRun sim({"--split", "7"});
        QVERIFY(sim.open());
        QVERIFY(good(sim.exchange(request(wire::CMD_READ_PAGE0)), 0xC0));
    }

    void flippedAnswerFailsItsCheck()
    {
        SimRun sim({"--flip", "100"});
        QVERIFY(sim.open());
        const auto answer = sim.exchange(request(wire::CMD_STATUS));
        QVERIFY(answer);
        QVERIFY(!wire::checkPasses(answer->data()));
    }

    void lateAnswerWaits()
    {
        const int lateMs = 3 * wire::kTickMs;
        SimRun sim({"--late", QString::number(lateMs)});
        QVERIFY(sim.open());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(good(sim.exchange(request(wire::CMD_STATUS)), wire::ANSWER_STATUS));
        QVERIFY(clock.elapsed() >= lateMs);
    }

    void strayBytesCostOneRequest()
    {
        SimRun sim({"--verbose"});
        QVERIFY(sim.open());
        sim.send(QByteArray(30, '\x33') + frameBytes(request(wire::CMD_STATUS)));
        QVERIFY(sim.waitForLine("bad frame"));
        QVERIFY(good(sim.exchange(request(wire::CMD_STATUS)), wire::ANSWER_STATUS));
    }

    void linkFollowsTheRun()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("zevras-unit");
        SimRun sim({"--link", link});
        QVERIFY(sim.open());
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device());
        sim.process().terminate();
        QVERIFY(sim.process().waitForFinished(kStartMs));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestSimIntegration)
#include "tst_simintegration.moc"
