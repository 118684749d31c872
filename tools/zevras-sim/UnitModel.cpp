#include "UnitModel.h"

UnitModel::UnitModel(const UnitOptions &options)
    : m_options(options), m_progCount(options.progCount)
{
    m_image.SetDefaults();
}

int UnitModel::saveCountdown(qint64 nowMs) const
{
    if (!m_saveStartMs)
        return 0;
    const qint64 steps = (nowMs - *m_saveStartMs) / qMax(1, m_options.saveStepMs);
    return int(qMax<qint64>(0, wire::status::kSaveFullCount - steps));
}

Page UnitModel::page0() const
{
    const bool readAllowed = !m_options.readProtected && m_image.noReading() == 0;
    return composeUnitInfo(m_options.identity, readAllowed);
}

UnitModel::Answer
UnitModel::handle(const Frame &request, const EngineState &engine, qint64 nowMs,
                  const std::array<quint16, wire::status::TEST_VALUE_COUNT> &testValues)
{
    const quint8 code = request[0];
    const quint8 answerCode = code | wire::kAnswerBit;
    switch (code) {
    case wire::CMD_STATUS: {
        UnitCounters counters;
        counters.progCount = m_progCount;
        counters.saveCountdown = saveCountdown(nowMs);
        counters.eeDataError = m_options.eeDataError;
        counters.formatVersion = m_options.identity.formatVersion;
        counters.testValues = testValues;
        return {composeStatus(m_image, engine, counters), QStringLiteral("rpm %1").arg(engine.rpm)};
    }
    case wire::CMD_WRITE_PAGE0:
    case wire::CMD_READ_PAGE0:
        return {makeFrame(answerCode, page0().data()), QStringLiteral("page 0")};
    case wire::CMD_WRITE_PAGE1:
        m_image.setPage(1, request.data() + 1);
        ++m_progCount;
        m_saveStartMs = nowMs;
        return {makeFrame(answerCode, m_image.page(1)),
                QStringLiteral("page 1 stored, programmed %1 times").arg(m_progCount)};
    case wire::CMD_READ_PAGE1:
        return {makeFrame(answerCode, m_image.page(1)), QStringLiteral("page 1")};
    default:
        return {std::nullopt, QStringLiteral("unknown request")};
    }
}
