#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The speed sweep: up from minRpm to maxRpm in `seconds`, back down in as long, again.
struct Sweep
{
    int minRpm = 1000;
    int maxRpm = 13000;
    double seconds = 30;
};

// Takes "MIN:MAX:SECONDS".
std::optional<Sweep> parseSweep(const QString &text);

// What the unit's sensors see at one moment.
struct EngineState
{
    int rpm = 0;
    int supplyMv = 0;
    bool input1 = false;
    bool input2 = false;
    bool pickupNegative = false;
};

// The engine and the wiring around the unit: speed held or swept, supply
// voltage with a little ripple, the two switch inputs, the pick-up polarity.
class EngineModel
{
public:
    static constexpr int kMaxRpm = 30000;
    static constexpr int kMaxSupplyMv = 30000;
    static constexpr int kRipplePeriodMs = 700;

    void holdRpm(int rpm);
    void sweep(const Sweep &sweep, qint64 nowMs);
    void setSupply(int millivolts) { m_supplyMv = millivolts; }
    void setRipple(int millivolts) { m_rippleMv = millivolts; }
    void setInput(int number, bool active);
    void setPickupNegative(bool negative) { m_pickupNegative = negative; }

    EngineState state(qint64 nowMs) const;
    QString describe() const;

private:
    std::optional<Sweep> m_sweep = Sweep{};
    qint64 m_sweepStartMs = 0;
    int m_rpm = 0;
    int m_supplyMv = 13800;
    int m_rippleMv = 60;
    bool m_input1 = false;
    bool m_input2 = false;
    bool m_pickupNegative = false;
};
