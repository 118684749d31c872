// Runs the program's link against the unit simulator, driven by a precise
// 55 ms timer as the window drives it, and prints how steady the ticks are,
// what idle polling costs and how long programming takes.

#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingView.h"
#include "SerialPort.h"
#include "SimProcess.h"
#include "TappedPort.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
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

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The link as the window runs it: a precise timer calls tick() every kTickMs.
class TimedLink
{
public:
    explicit TimedLink(const QString &device)
    {
        m_image.SetDefaults();
        m_link.openComPort(PollCycle::kFirstComPort, device);
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(PollCycle::kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { onTick(); });
        m_clock.start();
        m_timer.start();
    }

    bool isOpen() const { return m_port.isOpen(); }
    PollCycle &link() { return m_link; }
    ParameterSet &image() { return m_image; }
    const RecordingView &view() const { return m_view; }
    const TappedPort &port() const { return m_port; }
    int ticks() const { return int(m_tickNs.size()); }
    // When tick number n (from 1) began, in ns since the start.
    qint64 tickNs(int n) const { return m_tickNs[size_t(n - 1)]; }
    // How long tick number n ran, in ns.
    qint64 workNs(int n) const { return m_workNs[size_t(n - 1)]; }

    // Runs the event loop until done() holds after a tick, or limitTicks have passed.
    bool runUntil(const std::function<bool()> &done, int limitTicks)
    {
        QEventLoop loop;
        const int last = ticks() + limitTicks;
        bool reached = false;
        m_afterTick = [&] {
            if (done())
                reached = true;
            if (reached || ticks() >= last)
                loop.quit();
        };
        loop.exec();
        m_afterTick = nullptr;
        return reached;
    }

    void runFor(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    void onTick()
    {
        m_tickNs.push_back(m_clock.nsecsElapsed());
        m_port.setTick(ticks());
        m_link.tick();
        m_workNs.push_back(m_clock.nsecsElapsed() - m_tickNs.back());
        if (m_afterTick)
            m_afterTick();
    }

    ParameterSet m_image;
    lang::MessageTable m_messages;
    SerialPort m_serial;
    TappedPort m_port{m_serial};
    RecordingView m_view;
    PollCycle m_link{m_image, m_messages, m_port, m_view};
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<qint64> m_tickNs;
    std::vector<qint64> m_workNs;
    std::function<void()> m_afterTick;
};

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
    run.link().startProgram();

    ProgramRun result;
    const bool verified = run.runUntil(
        [&] { return run.link().linkState() == PollCycle::LinkState::Idle; }, kProgramLimitTicks);
    // Verify's success ends the transaction with page 1 confirmed; a failure clears the mark.
    if (!verified || !run.link().programmedOk())
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

const char *verdict(bool met)
{
    return met ? "ok" : "MISSED";
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
