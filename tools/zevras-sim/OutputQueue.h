#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

// Puts the unit's answers on the line in order, each after its delay and in
// chunks with small gaps when asked to, without ever blocking the event loop.
class OutputQueue : public QObject
{
    Q_OBJECT

public:
    using Writer = std::function<void(const QByteArray &)>;

    OutputQueue(const QElapsedTimer &clock, Writer writer, QObject *parent = nullptr);

    void send(const QByteArray &bytes, int delayMs, int chunkSize, int gapMs);

private:
    struct Piece
    {
        qint64 dueMs;
        QByteArray bytes;
    };

    void flushDue();
    void schedule();

    const QElapsedTimer &m_clock;
    Writer m_writer;
    std::deque<Piece> m_pieces;
    QTimer m_timer;
};
