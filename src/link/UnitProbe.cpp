#include "UnitProbe.h"

#include "LinkFrame.h"
#include "ParameterSet.h"
#include "StatusRecord.h"
#include "UnitInfo.h"

#include <QSerialPort>

#include <algorithm>

// One device being asked: its port, what came back, and its own deadline.
class UnitProbe::Line : public QObject
{
public:
    Line(const PortFacts &facts, UnitProbe &probe) : m_probe(probe) { m_result.facts = facts; }

    const ProbeResult &result() const { return m_result; }

    void start()
    {
        if (!m_result.facts.exists) {
            m_result.state = ProbeResult::State::Missing;
            return done();
        }
        m_port.setPortName(m_result.facts.path);
        if (!m_port.open(QIODevice::ReadWrite))
            return openFailed();
        const bool configured =
            m_port.setBaudRate(wire::kBaudRate) && m_port.setDataBits(QSerialPort::Data8) &&
            m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
            m_port.setFlowControl(QSerialPort::NoFlowControl);
        if (!configured) {
            m_result.state = ProbeResult::State::Failed;
            m_result.error = m_port.errorString();
            return done();
        }
        // Bytes left from before are no answer to this request.
        m_port.clear();
        connect(&m_port, &QSerialPort::readyRead, this, &Line::take);
        connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::ResourceError)
                done();
        });
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &Line::done);
        ask(wire::CMD_STATUS);
    }

    void stop()
    {
        m_deadline.stop();
        m_finished = true;
        m_port.close();
    }

private:
    void openFailed()
    {
        // Qt reports a device held by another program as a permission error
        // too; the file's own rights tell the two apart.
        if (m_port.error() == QSerialPort::PermissionError) {
            m_result.state = m_result.facts.mayOpen ? ProbeResult::State::Busy
                                                    : ProbeResult::State::NotPermitted;
        } else if (m_port.error() == QSerialPort::DeviceNotFoundError) {
            m_result.state = ProbeResult::State::Missing;
        } else {
            m_result.state = ProbeResult::State::Failed;
            m_result.error = m_port.errorString();
        }
        done();
    }

    void ask(quint8 command)
    {
        m_asked = command;
        const ParameterSet none;
        const LinkFrame frame = command == wire::CMD_STATUS
                                    ? LinkFrame::statusRequest()
                                    : LinkFrame::pageRequest(command, true, none);
        m_received.clear();
        m_port.write(reinterpret_cast<const char *>(frame.bytes().data()), wire::kFrameSize);
        m_deadline.start(kAnswerMs);
    }

    // An answer may come after stray bytes or in pieces: any sound frame
    // answering the request counts, at whatever offset it starts.
    void take()
    {
        m_received += m_port.readAll();
        for (qsizetype at = 0; at + wire::kFrameSize <= m_received.size(); ++at) {
            const LinkFrame frame = LinkFrame::fromReceived(m_received.constData() + at);
            if (frame.answers(m_asked))
                return answered(frame);
        }
    }

    void answered(const LinkFrame &frame)
    {
        if (m_asked == wire::CMD_STATUS) {
            m_result.state = ProbeResult::State::Answering;
            m_result.dataVersion = StatusRecord(frame.bytes().data()).formatVersion();
            return ask(wire::CMD_READ_PAGE0);
        }
        m_result.programName = decodeUnitInfo(frame.data()).name;
        done();
    }

    void done()
    {
        if (m_finished)
            return;
        stop();
        m_probe.lineDone();
    }

    UnitProbe &m_probe;
    ProbeResult m_result;
    QSerialPort m_port;
    QTimer m_deadline;
    QByteArray m_received;
    quint8 m_asked = wire::CMD_STATUS;
    bool m_finished = false;
};

UnitProbe::UnitProbe(PortSurvey::AccessCheck check, QObject *parent)
    : QObject(parent), m_survey(std::move(check))
{
}

UnitProbe::~UnitProbe()
{
    stopAll();
}

QList<PortFacts> UnitProbe::candidates(const QStringList &comDevices,
                                       const QStringList &mapped) const
{
    return m_survey.survey(comDevices, mapped);
}

void UnitProbe::start(const QList<PortFacts> &devices)
{
    stopAll();
    m_lines.clear();
    for (const PortFacts &facts : devices)
        m_lines.push_back(std::make_unique<Line>(facts, *this));
    // One more than the lines until every device is asked, so that a device
    // done at once (missing, refused) cannot end the search early.
    m_pending = int(m_lines.size()) + 1;
    for (const auto &line : m_lines)
        line->start();
    lineDone();
}

QList<ProbeResult> UnitProbe::results() const
{
    QList<ProbeResult> found;
    for (const auto &line : m_lines)
        found.append(line->result());
    return found;
}

QList<ProbeResult> UnitProbe::answering(const QList<ProbeResult> &results)
{
    QList<ProbeResult> units;
    for (const ProbeResult &result : results) {
        if (result.state == ProbeResult::State::Answering)
            units.append(result);
    }
    std::stable_sort(units.begin(), units.end(), [](const ProbeResult &a, const ProbeResult &b) {
        return (a.dataVersion == wire::PC_FORMAT_VERSION) >
               (b.dataVersion == wire::PC_FORMAT_VERSION);
    });
    return units;
}

void UnitProbe::lineDone()
{
    // Queued: a taker of finished() may start another search or delete this.
    if (m_pending > 0 && --m_pending == 0)
        QMetaObject::invokeMethod(this, &UnitProbe::finished, Qt::QueuedConnection);
}

void UnitProbe::stopAll()
{
    m_pending = 0;
    for (const auto &line : m_lines)
        line->stop();
}
