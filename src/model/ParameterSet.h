#pragma once

#include <QtGlobal>

#include <array>

// The 100-byte parameter image the unit stores: page 0 identifies the unit's
// program, page 1 holds the parameters. Everything that moves a parameter set
// (link, files, undo, settings) moves these bytes unchanged.
class ParameterSet
{
public:
    static constexpr int kSize = 100;
    static constexpr int kPageSize = 50;
    static constexpr int kCurvePoints = 15;

    // Image positions of page 1 fields.
    enum Position : int
    {
        BIKE = 50,
        POCET_BODU = 51,
        BASE_ADV = 52,
        LIMITER = 53, // three bytes: start limiter, limiter (100 rpm), retard (degrees)
        POLARITA = 56,
        RESERVED_57 = 57,
        RESERVED_58 = 58,
        GEBER_NR = 59,
        PILOT_LIGHT = 60,
        CLUTCH = 61, // two bytes: time, pause (10 ms)
        INPUT = 63,  // two bytes: input 1, input 2
        NO_READING = 65,
        RPM = 66, // two bytes: pulses per revolution, correction + 100
        REV_OUT_PILOT_LIGHT = 68,
        RESERVED_69 = 69,
        RPM_ADV = 70, // fifteen bytes, 100 rpm
        ADVANCE = 85, // fifteen bytes, degrees
    };

    using Bytes = std::array<quint8, kSize>;

    ParameterSet() { m_bytes.fill(0); }

    quint8 at(int position) const { return m_bytes[position]; }
    void set(int position, quint8 value) { m_bytes[position] = value; }

    const Bytes &bytes() const { return m_bytes; }
    Bytes &bytes() { return m_bytes; }

    // Page access for the link: page 0 or 1, 50 bytes each.
    const quint8 *page(int number) const { return m_bytes.data() + number * kPageSize; }
    void setPage(int number, const quint8 *data);

    quint8 bike() const { return at(BIKE); }
    void setBike(quint8 v) { set(BIKE, v); }
    quint8 pocetBodu() const { return at(POCET_BODU); }
    void setPocetBodu(quint8 v) { set(POCET_BODU, v); }
    quint8 baseAdv() const { return at(BASE_ADV); }
    void setBaseAdv(quint8 v) { set(BASE_ADV, v); }
    quint8 limiter(int i) const { return at(LIMITER + i); }
    void setLimiter(int i, quint8 v) { set(LIMITER + i, v); }
    quint8 polarita() const { return at(POLARITA); }
    void setPolarita(quint8 v) { set(POLARITA, v); }
    quint8 geberNr() const { return at(GEBER_NR); }
    void setGeberNr(quint8 v) { set(GEBER_NR, v); }
    quint8 pilotLight() const { return at(PILOT_LIGHT); }
    void setPilotLight(quint8 v) { set(PILOT_LIGHT, v); }
    quint8 clutch(int i) const { return at(CLUTCH + i); }
    void setClutch(int i, quint8 v) { set(CLUTCH + i, v); }
    quint8 input(int i) const { return at(INPUT + i); }
    void setInput(int i, quint8 v) { set(INPUT + i, v); }
    quint8 noReading() const { return at(NO_READING); }
    void setNoReading(quint8 v) { set(NO_READING, v); }
    quint8 rpm(int i) const { return at(RPM + i); }
    void setRpm(int i, quint8 v) { set(RPM + i, v); }
    quint8 revOutPilotLight() const { return at(REV_OUT_PILOT_LIGHT); }
    void setRevOutPilotLight(quint8 v) { set(REV_OUT_PILOT_LIGHT, v); }
    quint8 rpmAdv(int i) const { return at(RPM_ADV + i); }
    void setRpmAdv(int i, quint8 v) { set(RPM_ADV + i, v); }
    quint8 advance(int i) const { return at(ADVANCE + i); }
    void setAdvance(int i, quint8 v) { set(ADVANCE + i, v); }

    // The defaults of the New command; BIKE, the inputs, the spare bytes and
    // page 0 keep their values.
    void SetDefaults();

    // The range rule: curve speeds into their bands and strictly rising, the
    // start limiter never above the limiter. Idempotent.
    void NormaliseParameterSet();

    bool operator==(const ParameterSet &other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const ParameterSet &other) const { return !(*this == other); }

private:
    Bytes m_bytes;
};
