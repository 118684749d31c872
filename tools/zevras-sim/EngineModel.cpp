#include "EngineModel.h"

#include <QStringList>

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

std::optional<Sweep> parseSweep(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return std::nullopt;
    bool okMin = false, okMax = false, okSeconds = false;
    Sweep sweep{parts[0].toInt(&okMin), parts[1].toInt(&okMax), parts[2].toDouble(&okSeconds)};
    if (!okMin || !okMax || !okSeconds || sweep.minRpm < 0 || sweep.maxRpm < sweep.minRpm ||
        sweep.maxRpm > EngineModel::kMaxRpm || !(sweep.seconds > 0) || sweep.seconds > 3600)
        return std::nullopt;
    return sweep;
}

void EngineModel::holdRpm(int rpm)
{
    m_sweep.reset();
    m_rpm = rpm;
}

void EngineModel::sweep(const Sweep &sweep, qint64 nowMs)
{
    m_sweep = sweep;
    m_sweepStartMs = nowMs;
}

void EngineModel::setInput(int number, bool active)
{
    (number == 1 ? m_input1 : m_input2) = active;
}

EngineState EngineModel::state(qint64 nowMs) const
{
    EngineState state;
    state.rpm = m_rpm;
    if (m_sweep) {
        const double legMs = m_sweep->seconds * 1000.0;
        const double phase = std::fmod(double(nowMs - m_sweepStartMs), 2 * legMs) / legMs;
        const double rising = phase < 1 ? phase : 2 - phase;
        state.rpm =
            int(std::lround(m_sweep->minRpm + (m_sweep->maxRpm - m_sweep->minRpm) * rising));
    }
    const double angle = 2 * kPi * double(nowMs % kRipplePeriodMs) / kRipplePeriodMs;
    state.supplyMv =
        qBound(0, m_supplyMv + int(std::lround(m_rippleMv * std::sin(angle))), int(0xFFFF));
    state.input1 = m_input1;
    state.input2 = m_input2;
    state.pickupNegative = m_pickupNegative;
    return state;
}

QString EngineModel::describe() const
{
    const QString speed = m_sweep ? QStringLiteral("sweep %1:%2:%3")
                                        .arg(m_sweep->minRpm)
                                        .arg(m_sweep->maxRpm)
                                        .arg(m_sweep->seconds)
                                  : QStringLiteral("rpm %1").arg(m_rpm);
    return QStringLiteral("%1 supply %2 ripple %3 input1 %4 input2 %5 pickup %6")
        .arg(speed)
        .arg(m_supplyMv)
        .arg(m_rippleMv)
        .arg(m_input1 ? "on" : "off", m_input2 ? "on" : "off",
             m_pickupNegative ? "negative" : "positive");
}
