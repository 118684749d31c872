#include "StdinLines.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX

#include <cerrno>
#include <unistd.h>

StdinLines::StdinLines(QObject *parent) : QObject(parent)
{
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StdinLines::readSome);
}

void StdinLines::readSome()
{
    char chunk[256];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        m_notifier->setEnabled(false);
        return;
    }
    m_pending.append(chunk, int(n));
    for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
        const QByteArray line = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (!line.isEmpty())
            emit lineReceived(QString::fromUtf8(line));
    }
    if (m_pending.size() > kLongestLine)
        m_pending.clear();
}

#else

StdinLines::StdinLines(QObject *parent) : QObject(parent) {}

void StdinLines::readSome() {}

#endif
