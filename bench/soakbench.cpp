// Runs the real main window, offscreen, against a simulated unit whose engine
// sweeps up and down, for a long while, and reports how the resident memory
// develops and how late the window's 55 ms ticks come. The ticks are timed by
// an event filter on the window's own timer, so the program runs unchanged.

#include "BenchFigures.h"
#include "PollCycle.h"
#include "SimProcess.h"
#include "TFormHlav.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>

#include <time.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kStartMs = 5000;
constexpr double kTickMs = PollCycle::kTickMs;
constexpr double kTargetLatenessMs = 20.0;
// The resident size may move this much without counting as growth.
constexpr double kMemoryNoiseMb = 1.0;
// The simulated engine sweeps up and down once in a minute; memory is
// compared from then on, when every speed and label text has been shown.
constexpr int kSweepSeconds = 30;
constexpr int kWarmUpSeconds = 2 * kSweepSeconds;

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// What the program has allocated and not freed, where the C library tells
// it (glibc); set against the resident size it tells a leak from a heap
// that keeps freed memory in pieces.
double heapInUseMb()
{
#ifdef __GLIBC__
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
#else
    return 0;
#endif
}

// Times every firing of one timer before its owner sees it. Keeps running
// figures and a fixed histogram only, so it adds nothing to the memory
// measured while the soak runs.
class TickWatch : public QObject
{
public:
    explicit TickWatch(QTimer *timer) : m_timer(timer)
    {
        m_clock.start();
        timer->installEventFilter(this);
    }

    int intervals() const { return m_intervals; }
    double meanMs() const { return m_intervals ? m_sumMs / m_intervals : 0; }
    double maxLatenessMs() const { return m_maxLatenessMs; }
    // When the latest tick came, in seconds since the watch began.
    double maxLatenessAt() const { return m_maxLatenessAtMs / 1000.0; }
    int lateTicks() const { return m_lateTicks; }

    double p99DeviationMs() const
    {
        const int wanted = int(std::ceil(0.99 * m_intervals));
        int seen = 0;
        for (size_t bin = 0; bin < m_deviations.size(); ++bin) {
            seen += m_deviations[bin];
            if (seen >= wanted)
                return double(bin + 1) * kBinMs;
        }
        return 0;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer &&
            static_cast<QTimerEvent *>(event)->timerId() == m_timer->timerId())
            record(double(m_clock.nsecsElapsed()) / 1e6);
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr double kBinMs = 0.1;
    static constexpr size_t kBins = 2000; // the last bin takes everything beyond

    void record(double nowMs)
    {
        if (m_lastMs >= 0) {
            const double interval = nowMs - m_lastMs;
            const double lateness = interval - kTickMs;
            ++m_intervals;
            m_sumMs += interval;
            if (lateness > m_maxLatenessMs) {
                m_maxLatenessMs = lateness;
                m_maxLatenessAtMs = nowMs;
            }
            if (lateness > kTargetLatenessMs)
                ++m_lateTicks;
            const size_t bin = size_t(std::fabs(lateness) / kBinMs);
            ++m_deviations[std::min(bin, kBins - 1)];
        }
        m_lastMs = nowMs;
    }

    QTimer *m_timer;
    QElapsedTimer m_clock;
    double m_lastMs = -1;
    int m_intervals = 0;
    double m_sumMs = 0;
    double m_maxLatenessMs = 0;
    double m_maxLatenessAtMs = 0;
    int m_lateTicks = 0;
    std::array<int, kBins> m_deviations{};
};

// Times every event the program handles from the event loop, so the
// report can tell a tick held up by the program's own work from one the
// system scheduled late. The start, with its first layout and paint, is
// kept apart from the steady run.
class TimedApplication : public QApplication
{
public:
    struct Longest
    {
        double ms = 0;
        double cpuMs = 0; // of those, on the processor
        QEvent::Type type = QEvent::None;
        const char *receiver = "";
        double atSeconds = 0;
    };
    static constexpr double kStartUpMs = 5000;

    TimedApplication(int &argc, char **argv) : QApplication(argc, argv) { m_since.start(); }

    const Longest &longestAtStart() const { return m_atStart; }
    const Longest &longestSince() const { return m_since5s; }
    // Ends the timing, before the bench's own work at the end.
    void stopTiming() { m_timing = false; }

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        // Neither the event nor its receiver need outlive the handling.
        const QEvent::Type type = event->type();
        const char *receiverClass = receiver->metaObject()->className();
        const qint64 begin = m_since.nsecsElapsed();
        const double cpuBegin = threadCpuMs();
        const bool handled = QApplication::notify(receiver, event);
        const double ms = double(m_since.nsecsElapsed() - begin) / 1e6;
        const double cpuMs = threadCpuMs() - cpuBegin;
        --m_depth;
        const double atMs = double(begin) / 1e6;
        Longest &longest = atMs < kStartUpMs ? m_atStart : m_since5s;
        if (m_timing && ms > longest.ms)
            longest = {ms, cpuMs, type, receiverClass, atMs / 1000.0};
        return handled;
    }

private:
    static double threadCpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

    QElapsedTimer m_since;
    int m_depth = 0;
    bool m_timing = true;
    Longest m_atStart;
    Longest m_since5s;
};

QString describe(const TimedApplication::Longest &longest)
{
    const char *name = QMetaEnum::fromType<QEvent::Type>().valueToKey(longest.type);
    return QStringLiteral("%1 ms, %2 ms on the CPU (%3 to a %4 at %5 s)")
        .arg(longest.ms, 0, 'f', 2)
        .arg(longest.cpuMs, 0, 'f', 2)
        .arg(QLatin1String(name ? name : "?"), QLatin1String(longest.receiver))
        .arg(longest.atSeconds, 0, 'f', 1);
}

struct Sample
{
    double seconds;
    double mb;
    double heapMb;
};

// Samples the memory from a thread of its own, so that reading it never
// holds up the window's ticks.
class MemorySampler
{
public:
    MemorySampler(int periodMs, qint64 runMs) : m_periodMs(periodMs)
    {
        m_samples.reserve(size_t(runMs / periodMs) + 2);
        m_clock.start();
        m_thread = std::thread([this] { run(); });
    }
    ~MemorySampler() { stop(); }

    // Ends the sampling with a last sample; the samples taken.
    const std::vector<Sample> &stop()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable()) {
            m_thread.join();
            take();
        }
        return m_samples;
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        do
            take();
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(m_periodMs),
                                [this] { return m_stop; }));
    }

    void take()
    {
        m_samples.push_back({double(m_clock.elapsed()) / 1000.0, residentMb(), heapInUseMb()});
    }

    int m_periodMs;
    QElapsedTimer m_clock;
    std::vector<Sample> m_samples;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

bool writeSettings(const QString &folder, const QString &device)
{
    QDir().mkpath(folder + QStringLiteral("/zevras"));
    QFile file(folder + QStringLiteral("/zevras/zevras.ini"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[FORM_HLAV]\nComPort=1\n\n[PORTS]\nCOM1=" + device.toUtf8() + '\n');
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the main window against a sweeping simulated unit for a while."));
    parser.addHelpOption();
    parser.addOptions({
        {"minutes", "How long to run (10).", "M", "10"},
        {"sample-seconds", "Seconds between memory samples (5).", "S", "5"},
        {"sim", "The simulator to run.", "PATH", QStringLiteral(ZEVRAS_SIM_PATH)},
    });
    parser.process(app);
    const double minutes = std::max(0.1, parser.value("minutes").toDouble());
    const int sampleMs = std::max(1, parser.value("sample-seconds").toInt()) * 1000;
    const qint64 runMs = qint64(minutes * 60000);

    QTemporaryDir config;
    SimProcess sim(parser.value("sim"));
    const QString device =
        sim.start({"--sweep", QStringLiteral("1000:13000:%1").arg(kSweepSeconds)}, kStartMs);
    if (device.isEmpty() || !config.isValid() || !writeSettings(config.path(), device)) {
        std::fprintf(stderr, "soakbench: the simulated unit or its settings did not come up\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    TFormHlav window({});
    window.show();
    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    if (!timer) {
        std::fprintf(stderr, "soakbench: the window has no Timer1\n");
        return 1;
    }
    TickWatch ticks(timer);

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    MemorySampler sampler(sampleMs, runMs);
    QTimer::singleShot(runMs, &app, [&app] {
        app.stopTiming();
        app.quit();
    });
    app.exec();
    const std::vector<Sample> &samples = sampler.stop();
    const double cpuPercent = 100.0 * (cpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1e3);
    const bool answering = window.link().watchdogTicks() < PollCycle::kWatchdogTicks;
    window.close();

    const Sample &start = samples.front();
    const Sample &end = samples.back();
    const auto warm = std::find_if(samples.begin(), samples.end(),
                                   [](const Sample &s) { return s.seconds >= kWarmUpSeconds; });
    const bool warmedUp = warm != samples.end() && warm != samples.end() - 1;
    const Sample &base = warmedUp ? *warm : start;
    double peak = 0;
    for (const Sample &s : samples)
        peak = std::max(peak, s.mb);
    const double growth = end.mb - base.mb;

    std::printf("zevras soak: the main window (%s) against a sweeping simulated unit, %.1f min, "
                "memory every %d s\n\n",
                qPrintable(QGuiApplication::platformName()), minutes, sampleMs / 1000);
    std::printf("%-40s %12s   %s\n", "figure", "value", "target");
    std::printf("%-40s %9.1f MB\n", "resident memory at start", start.mb);
    std::printf("%-40s %9.1f MB\n",
                qPrintable(QStringLiteral("resident memory at %1 s").arg(base.seconds, 0, 'f', 0)),
                base.mb);
    std::printf("%-40s %9.1f MB\n", "resident memory at the end", end.mb);
    std::printf("%-40s %9.1f MB\n", "resident memory, highest", peak);
    std::printf("%-40s %9.2f MB to %.2f MB\n", "heap in use, from then to the end", base.heapMb,
                end.heapMb);
    std::printf("%-40s %+9.1f MB   %-12s %s\n", "growth since then", growth, "<= 1 MB noise",
                !warmedUp                  ? "(run shorter than the warm-up)"
                : growth <= kMemoryNoiseMb ? "steady"
                                           : "GREW");
    std::printf("%-40s %9.2f ms   %-12s %s\n", "tick lateness, max (gap beyond 55 ms)",
                ticks.maxLatenessMs(), "<= 20 ms",
                verdict(ticks.maxLatenessMs() <= kTargetLatenessMs));
    std::printf("%-40s %10.1f s\n", "  the latest tick came at", ticks.maxLatenessAt());
    std::printf("%-40s %12d\n", "ticks late by more than 20 ms", ticks.lateTicks());
    std::printf("%-40s %9.2f ms\n", "tick deviation from 55 ms, p99", ticks.p99DeviationMs());
    std::printf("%-40s %9.2f ms\n", "tick interval, mean", ticks.meanMs());
    std::printf("%-40s %s\n", "longest event handled, first 5 s",
                qPrintable(describe(app.longestAtStart())));
    std::printf("%-40s %s\n", "longest event handled, from then on",
                qPrintable(describe(app.longestSince())));
    std::printf("%-40s %9.2f %%\n", "CPU of one core, average", cpuPercent);
    std::printf("\nresident memory / heap in use, each minute (MB):");
    const size_t perMinute = size_t(std::max(1, 60000 / sampleMs));
    for (size_t i = 0; i < samples.size(); i += perMinute)
        std::printf(" %.1f/%.2f", samples[i].mb, samples[i].heapMb);
    std::printf("\n%d tick intervals measured; the unit %s at the end\n", ticks.intervals(),
                answering ? "was still answering" : "HAD STOPPED ANSWERING");
    return answering ? 0 : 1;
}
