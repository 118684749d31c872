#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

#include <functional>
#include <optional>

// The unit simulator as a child process: its device, what it prints, and its
// control commands on standard input. Needs no event loop: waits block on the
// process, and lines printed meanwhile are also collected while one runs.
class SimProcess
{
public:
    explicit SimProcess(const QString &program) : m_program(program)
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { collect(); });
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // Starts the simulator; the device path it offers, or empty.
    QString start(const QStringList &arguments, int timeoutMs)
    {
        m_process.start(m_program, arguments);
        const std::optional<QString> device = takeLine(QStringLiteral("DEVICE "), timeoutMs);
        return device ? device->mid(7) : QString();
    }

    void command(const QString &line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }

    // The next line starting with prefix after the last one taken; lines
    // before it are passed over.
    std::optional<QString> takeLine(const QString &prefix, int timeoutMs)
    {
        return takeLine([&](const QString &line) { return line.startsWith(prefix); }, timeoutMs);
    }

    std::optional<QString> takeLine(const std::function<bool(const QString &)> &wanted,
                                    int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            collect();
            for (; m_taken < m_lines.size(); ++m_taken) {
                if (wanted(m_lines[m_taken]))
                    return m_lines[m_taken++];
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return std::nullopt;
            m_process.waitForReadyRead(int(deadline.remainingTime()));
        }
    }

    // The unit's stored parameter page as the show command tells it.
    QByteArray storedPage1(int timeoutMs)
    {
        const QString marker = QStringLiteral("; page1 ");
        command(QStringLiteral("show"));
        const std::optional<QString> reply = takeLine(
            [&](const QString &line) {
                return line.startsWith(QLatin1String("OK ")) && line.contains(marker);
            },
            timeoutMs);
        if (!reply)
            return {};
        return QByteArray::fromHex(reply->mid(reply->indexOf(marker) + marker.size()).toLatin1());
    }

    // Every line printed so far.
    const QStringList &lines()
    {
        collect();
        return m_lines;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(kStopMs))
            m_process.kill();
        m_process.waitForFinished(kStopMs);
    }

private:
    static constexpr int kStopMs = 5000;

    void collect()
    {
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }

    QString m_program;
    QProcess m_process;
    QStringList m_lines;
    int m_taken = 0;
};
