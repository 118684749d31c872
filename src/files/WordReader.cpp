#include "WordReader.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

WordReader::WordReader(QByteArrayView text) : m_text(text)
{
    while (m_text.sliced(m_pos).startsWith(kByteOrderMark))
        m_pos += kByteOrderMark.size();
}

void WordReader::skipSpace()
{
    while (m_pos < m_text.size() && isWordSpace(m_text[m_pos]))
        ++m_pos;
}

QByteArrayView WordReader::nextWord()
{
    skipSpace();
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !isWordSpace(m_text[m_pos]))
        ++m_pos;
    return m_text.sliced(start, m_pos - start);
}

std::optional<quint32> WordReader::nextNumber(Sign sign)
{
    skipSpace();
    qsizetype pos = m_pos;
    bool negative = false;
    if (sign == Sign::Allowed && pos < m_text.size() &&
        (m_text[pos] == '-' || m_text[pos] == '+')) {
        negative = m_text[pos] == '-';
        ++pos;
    }
    if (pos >= m_text.size() || !isDigit(m_text[pos]))
        return std::nullopt;
    quint32 value = 0;
    while (pos < m_text.size() && isDigit(m_text[pos])) {
        value = value * 10u + quint32(m_text[pos] - '0');
        ++pos;
    }
    m_pos = pos;
    return negative ? 0u - value : value;
}
