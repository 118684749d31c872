#include "ParameterSet.h"

#include <cstring>

void ParameterSet::setPage(int number, const quint8 *data)
{
    std::memcpy(m_bytes.data() + number * kPageSize, data, kPageSize);
}

void ParameterSet::SetDefaults()
{
    setPocetBodu(2);
    setBaseAdv(10);
    setLimiter(0, 100);
    setLimiter(1, 150);
    setLimiter(2, 6);
    setPolarita(2);
    setGeberNr(1);
    setPilotLight(120);
    setClutch(0, 20);
    setClutch(1, 100);
    for (int i = 0; i < kCurvePoints; ++i) {
        setRpmAdv(i, quint8(10 * (i + 1)));
        setAdvance(i, 10);
    }
    setNoReading(0);
    setRevOutPilotLight(0);
    setRpm(0, 1);
    setRpm(1, 100);
}

void ParameterSet::NormaliseParameterSet()
{
    for (int i = 0; i < kCurvePoints; ++i) {
        if (rpmAdv(i) < i + 6)
            setRpmAdv(i, quint8(i + 6));
        if (rpmAdv(i) > i + 186)
            setRpmAdv(i, quint8(i + 186));
    }
    // Each point is at most 186 + i after the band, so pushing never passes 200.
    for (int i = 1; i < kCurvePoints; ++i) {
        if (rpmAdv(i) <= rpmAdv(i - 1))
            setRpmAdv(i, quint8(rpmAdv(i - 1) + 1));
    }
    if (limiter(0) > limiter(1))
        setLimiter(0, limiter(1));
}
