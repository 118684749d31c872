// Runs the program's link against the unit simulator, driven by a precise
// 55 ms timer as the window drives it, and prints how steady the ticks are,
// what idle polling costs and how long programming takes.

#include "BenchFigures.h"
#include "SimProcess.h"
#include "TimedLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartMs = 5000;
constexpr int kIdleRpm = 3000; // the simulated engine while idle polling
constexpr double kTargetP99Ms = 5.0;
constexpr double kTargetIdleCpuPercent = 1.0;
// Program runs timed; the last one also waits for the unit's store.
constexpr int kProgramRuns = 3;
// Longest a program run may take, store included, before the bench gives up.
constexpr int kProgramLimitTicks = 400;

struct TickFigures
{
    double meanMs = 0;
    double p99DeviationMs = 0;
    double maxDeviationMs = 0;
    double maxWorkMs = 0; // longest tick() call
    int intervals = 0;
};

TickFigures tickFigures(const TimedLink &run, int firstTick, int lastTick)
{
    std::vector<double> intervals;
    for (int n = firstTick + 1; n <= lastTick; ++n)
        intervals.push_back(double(run.tickNs(n) - run.tickNs(n - 1)) / 1e6);
    TickFigures f;
    f.intervals = int(intervals.size());
    if (intervals.empty())
        return f;
    double sum = 0;
    std::vector<double> deviations;
    for (double ms : intervals) {
        sum += ms;
        deviations.push_back(std::fabs(ms - PollCycle::kTickMs));
    }
    std::sort(deviations.begin(), deviations.end());
    f.meanMs = sum / double(intervals.size());
    f.p99DeviationMs = deviations[std::min(
        deviations.size() - 1, size_t(std::ceil(0.99 * double(deviations.size()))) - 1)];
    f.maxDeviationMs = deviations.back();
    for (int n = firstTick; n <= lastTick; ++n)
        f.maxWorkMs = std::max(f.maxWorkMs, double(run.workNs(n)) / 1e6);
    return f;
}

struct ProgramRun
{
    bool ok = false;
    int ticksFromStart = 0;     // command to "Verify: OK"
    int ticksFromFirstSend = 0; // first page request to "Verify: OK"
    double msFromFirstSend = 0;
    int storeTicks = 0; // "Verify: OK" to "Programing: OK"; 0 when not waited for
};

ProgramRun programOnce(TimedLink &run, int variant, bool waitForStore)
{
    ParameterSet &image = run.image();
    image.setBaseAdv(quint8(10 + variant));
    const int sentBefore = int(run.port().sent().size());
    const int startTick = run.ticks();
    run.presenter().startProgram();

    ProgramRun result;
    const bool verified = run.runUntil(
        [&] { return run.link().linkState() == PollCycle::LinkState::Idle; }, kProgramLimitTicks);
    // Verify's success ends the transaction with page 1 confirmed; a failure clears the mark.
    if (!verified || !run.presenter().programmedOk())
        return result;
    const int endTick = run.ticks();
    const int firstSendTick = run.port().sent()[sentBefore].tick;
    result.ticksFromStart = endTick - startTick;
    result.ticksFromFirstSend = endTick - firstSendTick;
    result.msFromFirstSend = double(run.tickNs(endTick) - run.tickNs(firstSendTick)) / 1e6;
    result.ok = true;
    if (waitForStore) {
        result.ok =
            run.runUntil([&] { return run.view().messageText == QLatin1String("Programing: OK"); },
                         kProgramLimitTicks);
        result.storeTicks = run.ticks() - endTick;
    }
    return result;
}

// The figures as "name value" lines; of the program runs, the slowest counts.
void printSummary(const TickFigures &ticks, double idleCpuPercent,
                  const std::vector<ProgramRun> &programs)
{
    std::printf("tick_mean_ms %.2f\n", ticks.meanMs);
    std::printf("tick_p99_deviation_ms %.2f\n", ticks.p99DeviationMs);
    std::printf("tick_max_deviation_ms %.2f\n", ticks.maxDeviationMs);
    std::printf("idle_cpu_percent %.2f\n", idleCpuPercent);
    int slowestTicks = 0;
    double slowestMs = 0;
    for (const ProgramRun &p : programs) {
        if (!p.ok)
            continue;
        slowestTicks = std::max(slowestTicks, p.ticksFromFirstSend);
        slowestMs = std::max(slowestMs, p.msFromFirstSend);
    }
    std::printf("program_verify_ticks %d\n", slowestTicks);
    std::printf("program_verify_ms %.0f\n", slowestMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the link to the unit against the simulator."));
    parser.addHelpOption();
    parser.addOptions({
        {"idle-seconds", "How long to poll an idle unit (20).", "S", "20"},
        {"sim", "The simulator to run.", "PATH", QStringLiteral(ZEVRAS_SIM_PATH)},
        {"summary", "Print the figures as \"name value\" lines for other scripts."},
    });
    parser.process(app);
    const int idleMs = std::max(1, parser.value("idle-seconds").toInt()) * 1000;

    SimProcess sim(parser.value("sim"));
    const QString device = sim.start({"--rpm", QString::number(kIdleRpm)}, kStartMs);
    if (device.isEmpty()) {
        std::fprintf(stderr, "linkbench: the simulator did not start\n");
        return 1;
    }
    TimedLink run(device);
    if (!run.isOpen()) {
        std::fprintf(stderr, "linkbench: cannot open %s: %s\n", qPrintable(device),
                     qPrintable(run.link().portError()));
        return 1;
    }

    // Idle polling: ticks and CPU over the same stretch.
    run.runFor(PollCycle::kStatusPollTicks * PollCycle::kTickMs); // settle
    const int idleFirstTick = run.ticks();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run.runFor(idleMs);
    const double idleCpuPercent =
        100.0 * (cpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);
    const int idleLastTick = run.ticks();
    const TickFigures ticks = tickFigures(run, idleFirstTick, idleLastTick);
    const int polls = int(std::count_if(
        run.port().sent().begin(), run.port().sent().end(), [&](const TappedPort::Sent &s) {
            return s.tick > idleFirstTick && s.bytes[0] == wire::CMD_STATUS;
        }));
    const bool answered =
        !run.view().connectionVisible && run.view().monitorTexts[int(MonitorLabel::LabelRpm)] ==
                                             QStringLiteral("RPM = %1 ").arg(kIdleRpm);

    std::vector<ProgramRun> programs;
    for (int i = 0; i < kProgramRuns; ++i)
        programs.push_back(programOnce(run, i, i == kProgramRuns - 1));
    const bool programsOk =
        std::all_of(programs.begin(), programs.end(), [](const ProgramRun &p) { return p.ok; });

    if (parser.isSet("summary")) {
        printSummary(ticks, idleCpuPercent, programs);
        return answered && programsOk ? 0 : 1;
    }
    std::printf("zevras link bench: simulator on %s, %d s of idle polling\n\n", qPrintable(device),
                idleMs / 1000);
    std::printf("%-40s %14s   %s\n", "figure", "value", "target");
    std::printf("%-40s %11.2f ms   %s\n", "tick interval, mean", ticks.meanMs, "55 ms");
    std::printf("%-40s %11.2f ms   %-10s %s\n", "tick deviation from 55 ms, p99",
                ticks.p99DeviationMs, "<= 5 ms", verdict(ticks.p99DeviationMs <= kTargetP99Ms));
    std::printf("%-40s %11.2f ms\n", "tick deviation from 55 ms, max", ticks.maxDeviationMs);
    std::printf("%-40s %11.2f ms\n", "time inside one tick, max", ticks.maxWorkMs);
    std::printf("%-40s %11.2f %%    %-10s %s\n", "CPU of one core, idle polling", idleCpuPercent,
                "<= 1 %", verdict(idleCpuPercent <= kTargetIdleCpuPercent));
    for (size_t i = 0; i < programs.size(); ++i) {
        const ProgramRun &p = programs[i];
        const QString label = QStringLiteral("Program + Verify, run %1").arg(i + 1);
        if (!p.ok) {
            std::printf("%-40s %14s\n", qPrintable(label), "failed");
            continue;
        }
        std::printf("%-40s %11.0f ms   %d ticks from the first send (floor 3), %d from the "
                    "command (4 to 7)\n",
                    qPrintable(label), p.msFromFirstSend, p.ticksFromFirstSend, p.ticksFromStart);
    }
    const ProgramRun &last = programs.back();
    if (last.ok)
        std::printf("%-40s %11d ticks (the unit's 53 storing steps, then a poll)\n",
                    "\"Verify: OK\" to \"Programing: OK\"", last.storeTicks);
    std::printf("\n%d tick intervals measured, %d status polls sent while idle; the unit %s\n",
                ticks.intervals, polls, answered ? "answered" : "DID NOT ANSWER");
    return answered && programsOk ? 0 : 1;
}
