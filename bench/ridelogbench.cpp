// Times the ride log viewer on a 10-hour recording (a row every 330 ms, as
// the status poll gives them): from the file to the first painted time line,
// and a repaint while panning at several zoom levels.

#include "BenchFigures.h"
#include "MonitorCsv.h"
#include "ParameterSet.h"
#include "RideLogWindow.h"
#include "RideTimeLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr double kOpenTargetMs = 1000;
constexpr double kRepaintTargetMs = 16;
constexpr qint64 kRowEveryMs = 330;

// A ride: speed and advance sweeping, the shift light and limiter now and
// then, a lost connection of a minute every hour.
QByteArray rideText(int rows)
{
    QByteArray text = MonitorCsv::headerLine();
    text.reserve(qsizetype(rows) * 110);
    const QDateTime start(QDate(2026, 12, 8), QTime(8, 0), Qt::OffsetFromUTC, 3600);
    qint64 ms = 0;
    for (int i = 0; i < rows; ++i) {
        MonitorValues values;
        const double phase = std::sin(i / 40.0) * 0.5 + 0.5;
        values.engineSpeed = quint16(1500 + 10000 * phase);
        values.advanceNow = int(8 + 26 * phase);
        values.supplyMv = quint16(13200 + (i * 37) % 900);
        values.shiftLight = phase > 0.85;
        values.limiter = phase > 0.97;
        values.pickup = true;
        ms += (i % 10909 == 10908) ? 60000 : kRowEveryMs;
        text += MonitorCsv::rowLine(start.addMSecs(ms), values);
    }
    return text;
}

// This thread's processor time, in milliseconds: on a loaded machine the wall clock
// also counts the time other jobs had the processor.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double at(std::vector<double> sorted, double share)
{
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, size_t(share * double(sorted.size())))];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the ride log viewer."));
    parser.addHelpOption();
    parser.addOptions({
        {"rows", "Rows of the recording (110000: 10 hours).", "N", "110000"},
        {"repaints", "Repaints per zoom level while panning (200).", "N", "200"},
    });
    parser.process(app);
    const int rows = std::max(10, parser.value("rows").toInt());
    const int repaints = std::max(1, parser.value("repaints").toInt());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ride.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(rideText(rows)) < 0)
            return 2;
    }

    ParameterSet image;
    image.SetDefaults();
    const quint8 language = 0;
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    clock.start();
    RideLogWindow window(image, language, nullptr);
    window.resize(1400, 900);
    if (!window.openFile(path))
        return 2;
    RideTimeLine &line = window.timeLine();
    line.resize(1400, 480);
    QImage canvas(line.size(), QImage::Format_ARGB32_Premultiplied);
    line.render(&canvas);
    const double openMs = clock.nsecsElapsed() / 1e6;
    const double openCpuMs = (cpuSeconds() - cpuBefore) * 1000;

    std::printf("Ride log viewer, %d rows (%.1f hours), %.1f MB, time line %dx%d\n", rows,
                window.log().durationMs() / 3.6e6, window.log().text.size() / 1048576.0,
                line.width(), line.height());
    std::printf("%-58s %9s %9s  %s\n", "figure", "value", "target", "");
    std::printf("%-58s %7.1f ms %6.0f ms  %s\n", "open to first painted time line", openMs,
                kOpenTargetMs, verdict(openMs <= kOpenTargetMs));
    std::printf("%-58s %7.1f ms\n", "  of it processor time", openCpuMs);

    // Panning: the visible range moves a few pixels a repaint, as a drag moves it.
    const qint64 duration = window.log().durationMs();
    bool allMet = openMs <= kOpenTargetMs;
    for (const double share : {1.0, 0.25, 0.01, 0.0002}) {
        const qint64 span = std::max<qint64>(qint64(duration * share), 1000);
        std::vector<double> times, cpuTimes;
        for (int i = 0; i < repaints; ++i) {
            const qint64 from = (duration - span) / 2 + (i - repaints / 2) * span / 200;
            line.setRange(from, from + span);
            const double cpuStart = threadCpuMs();
            clock.restart();
            line.render(&canvas);
            times.push_back(clock.nsecsElapsed() / 1e6);
            cpuTimes.push_back(threadCpuMs() - cpuStart);
        }
        const double p99 = at(times, 0.99);
        allMet = allMet && p99 <= kRepaintTargetMs;
        char name[80];
        std::snprintf(name, sizeof name, "repaint while panning, %g %% shown, p99 (median)",
                      share * 100);
        std::printf("%-58s %7.2f ms %6.0f ms  %s (%.2f ms; CPU p99 %.2f ms)\n", name, p99,
                    kRepaintTargetMs, verdict(p99 <= kRepaintTargetMs), at(times, 0.5),
                    at(cpuTimes, 0.99));
    }
    return allMet ? 0 : 1;
}
