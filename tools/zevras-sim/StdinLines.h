#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Reads the control commands typed or piped into standard input, one line at a
// time, without blocking the event loop. At end of input it simply stops.
class StdinLines : public QObject
{
    Q_OBJECT

public:
    explicit StdinLines(QObject *parent = nullptr);

signals:
    void lineReceived(const QString &line);

private:
    static constexpr int kLongestLine = 1024; // a longer unfinished line is noise

    void readSome();

    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
};
