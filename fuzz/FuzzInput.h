#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Reads a fuzz input from the front: control bytes and byte runs. Past the
// end it gives zeros and empty runs, so a target never reads out of range.
class FuzzInput
{
public:
    explicit FuzzInput(QByteArrayView data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size(); }
    quint8 byte() { return atEnd() ? quint8(0) : quint8(m_data[m_pos++]); }
    // Up to count bytes; fewer at the end of the input.
    QByteArrayView take(qsizetype count)
    {
        const qsizetype taken = qMin(count, m_data.size() - m_pos);
        const QByteArrayView run = m_data.sliced(m_pos, taken);
        m_pos += taken;
        return run;
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
