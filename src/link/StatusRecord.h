#pragma once

#include "LinkProtocol.h"

#include <QtGlobal>

#include <array>

// Bytes 0..50 of the last accepted status answer, with typed field access.
class StatusRecord
{
public:
    static constexpr int kSize = wire::kFrameSize - 1;
    using Bytes = std::array<quint8, kSize>;

    StatusRecord() { m_bytes.fill(0); }
    explicit StatusRecord(const quint8 *frame);

    quint8 byte(int offset) const { return m_bytes[offset]; }
    bool flag(int offset) const { return m_bytes[offset] != 0; }
    quint16 word(int offset) const { return quint16(m_bytes[offset] | m_bytes[offset + 1] << 8); }

    quint16 engineRpm() const { return word(wire::status::ENGINE_RPM); }
    quint16 supplyMv() const { return word(wire::status::SUPPLY_MV); }
    quint16 progCount() const { return word(wire::status::PROG_COUNT); }
    quint16 testValue(int index) const { return word(wire::status::TEST_VALUE + 2 * index); }
    int advanceNow() const
    {
        return int(byte(wire::status::ADVANCE_NOW)) - wire::status::kAdvanceOffset;
    }
    int advanceMax() const { return byte(wire::status::ADVANCE_MAX); }
    quint16 saveCountdown() const { return word(wire::status::SAVE_COUNTDOWN); }
    int formatVersion() const { return byte(wire::status::FORMAT_VERSION); }

    // Engine speed as the monitor uses it: 0 without a pick-up signal.
    quint16 currentSpeed() const
    {
        return flag(wire::status::PICKUP_SIGNAL) ? engineRpm() : quint16(0);
    }

private:
    Bytes m_bytes;
};
