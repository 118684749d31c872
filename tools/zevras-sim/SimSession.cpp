#include "SimSession.h"

#include "Pty.h"

#include <QSocketNotifier>

SimSession::SimSession(Pty &pty, const UnitOptions &unit, quint32 seed, Log log, QObject *parent)
    : QObject(parent), m_pty(pty), m_unit(unit), m_faults(seed),
      m_output(m_clock, [&pty](const QByteArray &bytes) { pty.write(bytes); }),
      m_log(std::move(log))
{
    m_clock.start();
    attach();
}

void SimSession::detach()
{
    delete m_notifier;
    m_notifier = nullptr;
}

void SimSession::attach()
{
    detach();
    m_notifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimSession::receive);
}

void SimSession::receive()
{
    const QByteArray bytes = m_pty.readAvailable();
    if (bytes.isEmpty())
        return;
    const int discardedBefore = m_assembler.discardedBytes();
    const QList<Frame> frames = m_assembler.append(bytes, now());
    const int discarded = m_assembler.discardedBytes() - discardedBefore;
    m_testValues[BadBytes] = quint16(m_assembler.discardedBytes());
    if (discarded > 0)
        logRequest(QStringLiteral("bad frame, %1 bytes thrown away").arg(discarded));
    for (const Frame &frame : frames)
        handle(frame);
}

void SimSession::handle(const Frame &request)
{
    const QString code = QStringLiteral("0x%1").arg(request[0], 2, 16, QLatin1Char('0'));
    ++m_testValues[Requests];
    if (m_faults.ignores(request[0])) {
        ++m_testValues[Withheld];
        logRequest(code + QStringLiteral(" ignored"));
        return;
    }
    m_testValues[Uptime] = quint16(qMin<qint64>(now() / 1000, 0xFFFF));
    const UnitModel::Answer answer =
        m_unit.handle(request, m_engine.state(now()), now(), m_testValues);
    if (!answer.frame) {
        logRequest(code + QStringLiteral(" ") + answer.note);
        return;
    }
    const Delivery delivery = m_faults.deliver(*answer.frame);
    QString line = QStringLiteral("%1 -> 0x%2 %3")
                       .arg(code)
                       .arg((*answer.frame)[0], 2, 16, QLatin1Char('0'))
                       .arg(answer.note);
    if (!delivery.note.isEmpty())
        line += QStringLiteral(" [%1]").arg(delivery.note);
    logRequest(line);
    if (delivery.bytes.isEmpty()) {
        ++m_testValues[Withheld];
        return;
    }
    ++m_testValues[Answers];
    m_output.send(delivery.bytes, delivery.delayMs, delivery.chunkSize, FaultInjector::kSplitGapMs);
}

void SimSession::logRequest(const QString &text)
{
    if (m_verbose)
        m_log(text);
}
