#include "StatusRecord.h"

#include <cstring>

StatusRecord::StatusRecord(const quint8 *frame)
{
    std::memcpy(m_bytes.data(), frame, kSize);
}
