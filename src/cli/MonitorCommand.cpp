#include "Commands.h"

#include "Console.h"
#include "ExitStatus.h"
#include "LinkSession.h"
#include "MonitorCsv.h"
#include "SetFiles.h"

namespace commands {

namespace {

// "12:04:31.250  3000 rpm  25 deg  max 30 deg  13.80 V  pick-up shift-light"
QString monitorLine(const QDateTime &time, const MonitorValues &v)
{
    QStringList states;
    const std::pair<bool, const char *> flags[] = {
        {v.pickup, "pick-up"},
        {v.basicAdvance, "basic-advance"},
        {v.startLimiter, "start-limiter"},
        {v.limiter, "limiter"},
        {v.shiftLight, "shift-light"},
        {v.clutch, "clutch-master"},
        {v.retard, "retard"},
        {v.blocking, "motor-off"},
        {v.killSwitch, "kill-switch"},
        {v.input1, "input1"},
        {v.input2, "input2"},
        {v.eeDataError, "data-error"},
    };
    for (const auto &[on, name] : flags) {
        if (on)
            states << QString::fromLatin1(name);
    }
    if (v.engineSpeed != 0) {
        states << QString::fromLatin1(v.polarityNegative ? "polarity-negative"
                                                         : "polarity-positive");
        if (!v.polarityOk)
            states << QStringLiteral("polarity-bad");
    }
    if (v.saveCountdown != 0)
        states << QStringLiteral("storing-%1").arg(v.saveCountdown);
    if (!v.versionMatches())
        states << QStringLiteral("data-version-%1").arg(v.formatVersion);
    return QStringLiteral("%1  %2 rpm  %3 deg  max %4 deg  %5 V  %6")
        .arg(time.toString(QStringLiteral("HH:mm:ss.zzz")))
        .arg(v.engineSpeed, 5)
        .arg(v.advanceNow, 3)
        .arg(v.advanceMax, 3)
        .arg(v.supplyMv / 1000.0, 5, 'f', 2)
        .arg(states.join(QLatin1Char(' ')))
        .trimmed();
}

} // namespace

int monitor(const std::optional<int> &count, const QString &csvPath, const QString &portOption)
{
    const bool csvToStdout = csvPath == MonitorCsvFile::kStandardOutput;
    if (!csvPath.isEmpty() && !csvToStdout && !setfiles::checkWritable(csvPath))
        return kBadUsage;
    std::optional<LinkSession> session;
    if (const int status = openSession(session, portOption))
        return status;

    MonitorCsvFile csv(csvPath);
    int answers = 0;
    bool written = true;
    const auto end = session->watchStatus(
        [&](const MonitorValues &values) {
            const QDateTime now = QDateTime::currentDateTime();
            if (!csvPath.isEmpty() && !csv.append(now, values)) {
                written = false;
                return false;
            }
            if (!csvToStdout && !console::out(monitorLine(now, values)))
                return false;
            ++answers;
            return !count || answers < *count;
        },
        !count);
    if (!written) {
        console::error(QStringLiteral("cannot write %1: %2").arg(csvPath, csv.errorString()));
        return kBadUsage;
    }
    switch (end) {
    case LinkSession::WatchEnd::NoConnection:
        console::error(
            answers == 0
                ? QStringLiteral("no answer from the unit on %1").arg(session->device())
                : QStringLiteral("the unit on %1 stopped answering").arg(session->device()));
        return kLinkFailed;
    case LinkSession::WatchEnd::DeviceLost:
        console::error(QStringLiteral("%1 was disconnected").arg(session->device()));
        return kLinkFailed;
    case LinkSession::WatchEnd::Interrupted:
    case LinkSession::WatchEnd::Done:
        break;
    }
    return kDone;
}

} // namespace commands
