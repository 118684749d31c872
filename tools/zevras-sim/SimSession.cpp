#include "SimSession.h"

#include "Pty.h"

#include <QSocketNotifier>

SimSession::SimSession(Pty &pty, const UnitOptions &unit, quint32 seed, Log log, QObject *parent)
    : QObject(parent), m_pty(pty), m_line(unit, seed),
      m_output(m_clock, [&pty](const QByteArray &bytes) { pty.write(bytes); }),
      m_log(std::move(log))
{
    m_clock.start();
    m_line.setLog([this](const QString &text) {
        if (m_verbose)
            m_log(text);
    });
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
    for (const Delivery &delivery : m_line.receive(bytes, now()))
        m_output.send(delivery.bytes, delivery.delayMs, delivery.chunkSize,
                      FaultInjector::kSplitGapMs);
}
