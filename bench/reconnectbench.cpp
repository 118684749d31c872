// Pulls the simulated unit's cable out from under the program's link and
// plugs it in again, as often as asked: prints the CPU the link uses while
// the device is gone and the time from plug-in to the first status answer
// the presenter shows.

#include "BenchFigures.h"
#include "SimProcess.h"
#include "TimedLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartMs = 5000;
constexpr double kTargetReconnectMs = 1500;
constexpr double kTargetPulledCpuPercent = 0.5;
// Longest wait for the link to notice a pull or to hear the unit again.
constexpr int kLimitTicks = 200;
constexpr int kUnpluggedMs = 300; // between pull and plug-in

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(share * double(values.size())));
    return values[index];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the link's reconnect after a pull."));
    parser.addHelpOption();
    parser.addOptions({
        {"pulls", "How many times to pull and plug in (20).", "N", "20"},
        {"pulled-seconds", "How long to measure CPU with the cable out (10).", "S", "10"},
        {"sim", "The simulator to run.", "PATH", QStringLiteral(ZEVRAS_SIM_PATH)},
    });
    parser.process(app);
    const int pulls = std::max(1, parser.value("pulls").toInt());
    const int pulledMs = std::max(1, parser.value("pulled-seconds").toInt()) * 1000;

    QTemporaryDir dir;
    const QString linkPath = dir.filePath(QStringLiteral("unit"));
    SimProcess sim(parser.value("sim"));
    if (sim.start({"--rpm", "3000", "--link", linkPath}, kStartMs).isEmpty()) {
        std::fprintf(stderr, "reconnectbench: the simulator did not start\n");
        return 1;
    }
    TimedLink run(linkPath);
    if (!run.isOpen()) {
        std::fprintf(stderr, "reconnectbench: cannot open %s\n", qPrintable(linkPath));
        return 1;
    }
    // Counts the status answers the window would show.
    struct StatusCount : LinkListener
    {
        int count = 0;
        void statusTaken(const MonitorValues &) override { ++count; }
    } statusCount;
    run.link().addListener(statusCount);
    const int &statuses = statusCount.count;
    if (!run.runUntil([&] { return statuses > 0; }, kLimitTicks)) {
        std::fprintf(stderr, "reconnectbench: the unit does not answer\n");
        return 1;
    }

    auto pull = [&] {
        sim.command(QStringLiteral("unplug"));
        return run.runUntil([&] { return run.link().deviceLost(); }, kLimitTicks);
    };

    // CPU with the cable out, from the moment the link noticed.
    if (!pull()) {
        std::fprintf(stderr, "reconnectbench: the pull went unnoticed\n");
        return 1;
    }
    const double cpuBefore = cpuSeconds();
    run.runFor(pulledMs);
    const double pulledCpu = 100.0 * (cpuSeconds() - cpuBefore) / (pulledMs / 1000.0);

    std::vector<double> reconnectMs;
    for (int n = 0; n < pulls; ++n) {
        if (n > 0 && !pull()) {
            std::fprintf(stderr, "reconnectbench: pull %d went unnoticed\n", n + 1);
            return 1;
        }
        if (n > 0)
            run.runFor(kUnpluggedMs);
        const int before = statuses;
        QElapsedTimer clock;
        clock.start();
        sim.command(QStringLiteral("plug"));
        if (!run.runUntil([&] { return statuses > before; }, kLimitTicks)) {
            std::fprintf(stderr, "reconnectbench: no answer after plug-in %d\n", n + 1);
            return 1;
        }
        reconnectMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }

    const double median = percentile(reconnectMs, 0.5);
    const double worst = *std::max_element(reconnectMs.begin(), reconnectMs.end());
    std::printf("| Figure | Value | Target | |\n|---|---|---|---|\n");
    std::printf(
        "| CPU of the link in the %d s after a pull | %.2f %% of a core | <= %.1f %% | %s |\n",
        pulledMs / 1000, pulledCpu, kTargetPulledCpuPercent,
        verdict(pulledCpu <= kTargetPulledCpuPercent));
    std::printf("| Plug-in to the first status answer shown, median of %d | %.0f ms | "
                "<= %.0f ms | %s |\n",
                pulls, median, kTargetReconnectMs, verdict(median <= kTargetReconnectMs));
    std::printf("| Plug-in to the first status answer shown, longest of %d | %.0f ms | "
                "<= %.0f ms | %s |\n",
                pulls, worst, kTargetReconnectMs, verdict(worst <= kTargetReconnectMs));
    return worst <= kTargetReconnectMs && pulledCpu <= kTargetPulledCpuPercent ? 0 : 1;
}
