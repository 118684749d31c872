#include "UnitLine.h"

UnitLine::UnitLine(const UnitOptions &unit, quint32 seed) : m_unit(unit), m_faults(seed) {}

QList<Delivery> UnitLine::receive(const QByteArray &bytes, qint64 nowMs)
{
    const int discardedBefore = m_assembler.discardedBytes();
    const QList<Frame> frames = m_assembler.append(bytes, nowMs);
    const int discarded = m_assembler.discardedBytes() - discardedBefore;
    m_testValues[BadBytes] = quint16(m_assembler.discardedBytes());
    if (discarded > 0)
        log(QStringLiteral("bad frame, %1 bytes thrown away").arg(discarded));
    QList<Delivery> deliveries;
    for (const Frame &frame : frames) {
        if (std::optional<Delivery> delivery = handle(frame, nowMs))
            deliveries.append(std::move(*delivery));
    }
    return deliveries;
}

std::optional<Delivery> UnitLine::handle(const Frame &request, qint64 nowMs)
{
    const QString code = QStringLiteral("0x%1").arg(request[0], 2, 16, QLatin1Char('0'));
    ++m_testValues[Requests];
    if (m_faults.ignores(request[0])) {
        ++m_testValues[Withheld];
        log(code + QStringLiteral(" ignored"));
        return std::nullopt;
    }
    m_testValues[Uptime] = quint16(qMin<qint64>(nowMs / 1000, 0xFFFF));
    const UnitModel::Answer answer =
        m_unit.handle(request, m_engine.state(nowMs), nowMs, m_testValues);
    if (!answer.frame) {
        log(code + QStringLiteral(" ") + answer.note);
        return std::nullopt;
    }
    Delivery delivery = m_faults.deliver(*answer.frame);
    QString line = QStringLiteral("%1 -> 0x%2 %3")
                       .arg(code)
                       .arg((*answer.frame)[0], 2, 16, QLatin1Char('0'))
                       .arg(answer.note);
    if (!delivery.note.isEmpty())
        line += QStringLiteral(" [%1]").arg(delivery.note);
    log(line);
    if (delivery.bytes.isEmpty()) {
        ++m_testValues[Withheld];
        return std::nullopt;
    }
    ++m_testValues[Answers];
    return delivery;
}

void UnitLine::log(const QString &text)
{
    if (m_log)
        m_log(text);
}
