#pragma once

// The unit's wire protocol: frame size, request codes and the byte layout of
// the two answers that are not parameter pages. Shared by the program and the
// unit simulator, so both speak the same bytes.

#include "FormatVersion.h"

#include <cstdint>

namespace wire {

constexpr int kFrameSize = 52; // code, 50 data bytes, check byte
constexpr int kFrameDataSize = 50;
constexpr int kCheckIndex = 51;
constexpr std::uint8_t kCheckSeed = 0xFF; // XOR of all 52 bytes of a good frame
constexpr std::uint8_t kAnswerBit = 0x80;
constexpr std::uint8_t kPageMask = 0x3F;

constexpr std::uint8_t CMD_WRITE_PAGE0 = 0x00;
constexpr std::uint8_t CMD_WRITE_PAGE1 = 0x01;
constexpr std::uint8_t CMD_STATUS = 0x30;
constexpr std::uint8_t CMD_READ_PAGE0 = 0x40;
constexpr std::uint8_t CMD_READ_PAGE1 = 0x41;
constexpr std::uint8_t ANSWER_STATUS = CMD_STATUS | kAnswerBit; // 0xB0

constexpr int PC_FORMAT_VERSION = ::PC_FORMAT_VERSION;

// Serial line.
constexpr int kBaudRate = 57600;
constexpr int kReceiveThreshold = 52; // fewer waiting bytes stay queued
constexpr int kReceiveCap = 15000;    // bytes taken per receive at most

// The program's poll timer; the unit's storing steps run at the same pace.
constexpr int kTickMs = 55;

// UNIT_INFO: offsets within page 0.
namespace info {
constexpr int NAME = 0;        // three letters
constexpr int NAME_NUMBER = 3; // shown as two digits
constexpr int DAY = 4;
constexpr int MONTH_CODE = 5; // low 8 bits of the sum of the month name's letters
constexpr int YEAR = 6;       // within 2000
constexpr int HOUR = 7;
constexpr int MINUTE = 8;
constexpr int READ_ALLOWED = 9; // 1 allows reading
constexpr int FORMAT_VERSION = 10;
constexpr int LONG_NAME = 16; // up to 30 characters, used when not 0
constexpr int LONG_NAME_SIZE = 30;
} // namespace info

// UNIT_STATUS: offsets within the answer frame (byte 0 is the code).
namespace status {
constexpr int ENGINE_RPM = 1; // u16 LE
constexpr int SUPPLY_MV = 3;  // u16 LE
constexpr int PROG_COUNT = 5; // u16 LE
constexpr int TEST_VALUE = 7; // 8 x u16 LE
constexpr int TEST_VALUE_COUNT = 8;
constexpr int INPUT1_ACTIVE = 29;
constexpr int INPUT2_ACTIVE = 30;
constexpr int ADVANCE_NOW = 31; // degrees + 100
constexpr int ADVANCE_MAX = 32;
constexpr int POLARITY_NEG = 33;
constexpr int POLARITY_OK = 34;
constexpr int START_LIMITER_ON = 35;
constexpr int LIMITER_ON = 36;
constexpr int BLOCKING_ON = 37;
constexpr int KILL_SWITCH_ON = 38;
constexpr int SHIFT_LIGHT_ON = 39;
constexpr int RETARD_ON = 40;
constexpr int CLUTCH_ON = 41;
constexpr int PICKUP_SIGNAL = 42;
constexpr int BASIC_ADVANCE = 43;
constexpr int SAVE_COUNTDOWN = 47; // u16 LE
constexpr int EE_DATA_ERROR = 49;
constexpr int FORMAT_VERSION = 50;
constexpr int kAdvanceOffset = 100;
constexpr int kSaveFullCount = 53;
} // namespace status

// Check byte over bytes 0..50: 0xFF XOR each of them.
inline std::uint8_t checkByte(const std::uint8_t *frame)
{
    std::uint8_t check = kCheckSeed;
    for (int i = 0; i < kCheckIndex; ++i)
        check ^= frame[i];
    return check;
}

inline bool checkPasses(const std::uint8_t *frame)
{
    return checkByte(frame) == frame[kCheckIndex];
}

} // namespace wire
