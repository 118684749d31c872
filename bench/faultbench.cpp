// Program + Verify, many times over, against simulated units on faulty lines.
// Each line runs its own link and unit side by side on one event loop. Prints
// the share of cycles that succeeded per line, and fails when a cycle claimed
// success for a set the unit does not hold, ended without its red error text,
// or ran past the resend rules.

#include "FrameBytes.h"
#include "LinkBounds.h"
#include "SimProcess.h"
#include "TimedLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kStartMs = 5000;
// Longest a cycle may run: every page with all its sends, and slack for
// the ticks that take the answers.
constexpr int kSlackTicks = 2;
constexpr int kCycleLimitTicks = e2e::transactionTicks(e2e::kProgramPages) + kSlackTicks;

struct Line
{
    const char *name;
    QStringList faults;
    int seed;
};

const std::vector<Line> kLines = {
    {"none (0 %)", {}, 1},
    {"5 % of answers dropped", {"--drop", "5"}, 2},
    {"20 % of answers dropped", {"--drop", "20"}, 3},
    {"5 % of answers with a bit flipped", {"--flip", "5"}, 4},
    {"20 % of answers with a bit flipped", {"--flip", "20"}, 5},
    {"garbage + answers split in 7-byte chunks", {"--garbage", "--split", "7"}, 6},
};

QString errorTextFor(PollCycle::LinkState state)
{
    return state == PollCycle::LinkState::Verifying ? QStringLiteral("Verify error!")
                                                    : QStringLiteral("Program error!");
}

// One line: a unit, the link to it and its cycles, driven from the link's ticks.
class FaultyLine
{
public:
    FaultyLine(const Line &line, const QString &simPath, int cycles)
        : m_line(line), m_sim(simPath), m_cycles(cycles)
    {
    }

    // False when the unit or the port did not come up.
    bool start(std::function<void()> finished)
    {
        const QString device = m_sim.start(
            m_line.faults + QStringList{"--seed", QString::number(m_line.seed)}, kStartMs);
        if (device.isEmpty())
            return false;
        m_link = std::make_unique<TimedLink>(device);
        if (!m_link->isOpen())
            return false;
        m_finished = std::move(finished);
        m_link->setAfterTick([this] { afterTick(); });
        return true;
    }

    const Line &line() const { return m_line; }
    int cycles() const { return m_cycle; }
    int succeeded() const { return m_succeeded; }
    int programErrors() const { return m_programErrors; }
    int verifyErrors() const { return m_verifyErrors; }
    int longestTicks() const { return m_longestTicks; }
    const QStringList &violations() const { return m_violations; }
    int pageSends() const
    {
        const QList<TappedPort::Sent> &sent = m_link->port().sent();
        return int(std::count_if(sent.begin(), sent.end(), [](const TappedPort::Sent &s) {
            return s.bytes[0] != wire::CMD_STATUS;
        }));
    }

private:
    void afterTick()
    {
        if (m_done)
            return;
        if (m_running && !step())
            return;
        if (m_cycle == m_cycles)
            finish();
        else
            startCycle();
    }

    // Follows the running cycle; true once it has ended. A cycle is judged
    // one tick after the link went idle, by the text that then stays shown.
    bool step()
    {
        const PollCycle::LinkState state = m_link->link().linkState();
        const int ticks = m_link->ticks() - m_startTick;
        if (state != PollCycle::LinkState::Idle) {
            m_lastBusy = state;
            m_idleTicks = 0;
            if (ticks > kCycleLimitTicks) {
                violation(QStringLiteral("still busy after %1 ticks").arg(ticks));
                finish();
            }
            return false;
        }
        if (++m_idleTicks == 1) {
            m_longestTicks = std::max(m_longestTicks, ticks);
            return false;
        }
        judge();
        m_running = false;
        return true;
    }

    // Each cycle writes a set the unit has not held just before.
    void startCycle()
    {
        ++m_cycle;
        m_lastBusy = PollCycle::LinkState::Programming;
        m_idleTicks = 0;
        m_messagesBefore = int(m_link->view().messageHistory.size());
        ParameterSet &image = m_link->image();
        image.setAdvance(0, quint8(10 + m_cycle % 30));
        m_link->presenter().startProgram();
        m_startTick = m_link->ticks();
        m_running = true;
    }

    // Success: "Verify: OK", then the unit's store in the normal colour.
    void judge()
    {
        const RecordingDisplay &view = m_link->view();
        const QByteArray window = pageOf(m_link->image(), 1);
        const bool verified =
            view.messageHistory.mid(m_messagesBefore).contains(QStringLiteral("Verify: OK"));
        if (verified && m_link->presenter().programmedOk() &&
            view.messageColour == LabelColour::Normal) {
            const QByteArray unit = m_sim.storedPage1(e2e::kProcessMs);
            if (unit != window) {
                violation(QStringLiteral("reported success, but the unit holds %1 and the "
                                         "window %2")
                              .arg(QString::fromLatin1(unit.toHex()),
                                   QString::fromLatin1(window.toHex())));
                return;
            }
            ++m_succeeded;
            return;
        }
        const QString expected = errorTextFor(m_lastBusy);
        if (view.messageText != expected || view.messageColour != LabelColour::Red) {
            violation(QStringLiteral("ended with \"%1\" (%2) instead of a red \"%3\"")
                          .arg(view.messageText,
                               view.messageColour == LabelColour::Red ? "red" : "not red",
                               expected));
            return;
        }
        ++(m_lastBusy == PollCycle::LinkState::Verifying ? m_verifyErrors : m_programErrors);
    }

    void violation(const QString &what)
    {
        m_violations << QStringLiteral("%1, cycle %2: %3").arg(m_line.name).arg(m_cycle).arg(what);
    }

    void finish()
    {
        m_done = true;
        m_link->stop();
        m_finished();
    }

    Line m_line;
    SimProcess m_sim;
    std::unique_ptr<TimedLink> m_link;
    std::function<void()> m_finished;
    int m_cycles;
    int m_cycle = 0;
    bool m_running = false;
    bool m_done = false;
    int m_startTick = 0;
    int m_idleTicks = 0;
    int m_messagesBefore = 0;
    PollCycle::LinkState m_lastBusy = PollCycle::LinkState::Programming;
    int m_succeeded = 0;
    int m_programErrors = 0;
    int m_verifyErrors = 0;
    int m_longestTicks = 0;
    QStringList m_violations;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Programs and verifies simulated units on faulty lines."));
    parser.addHelpOption();
    parser.addOptions({
        {"cycles", "Program + Verify cycles per line (100).", "N", "100"},
        {"sim", "The simulator to run.", "PATH", QStringLiteral(ZEVRAS_SIM_PATH)},
    });
    parser.process(app);
    const int cycles = std::max(1, parser.value("cycles").toInt());

    QElapsedTimer wall;
    wall.start();
    std::vector<std::unique_ptr<FaultyLine>> lines;
    int running = 0;
    for (const Line &line : kLines) {
        lines.push_back(std::make_unique<FaultyLine>(line, parser.value("sim"), cycles));
        ++running;
        if (!lines.back()->start([&] {
                if (--running == 0)
                    app.quit();
            })) {
            std::fprintf(stderr, "faultbench: the simulated unit for \"%s\" did not come up\n",
                         line.name);
            return 1;
        }
    }
    app.exec();

    std::printf(
        "zevras fault bench: %d Program + Verify cycles per line, at most %d ticks each\n\n",
        cycles, kCycleLimitTicks);
    std::printf("%-42s %9s %8s %8s %11s %9s\n", "line", "succeeded", "Program", "Verify",
                "page sends", "longest");
    std::printf("%-42s %9s %8s %8s %11s %9s\n", "", "", "error!", "error!", "per cycle", "(ticks)");
    QStringList violations;
    for (const auto &line : lines) {
        const double share = 100.0 * line->succeeded() / std::max(1, line->cycles());
        std::printf("%-42s %8.0f%% %8d %8d %11.2f %9d\n", line->line().name, share,
                    line->programErrors(), line->verifyErrors(),
                    double(line->pageSends()) / std::max(1, line->cycles()), line->longestTicks());
        violations << line->violations();
    }
    std::printf("\nA clean cycle sends %d pages. Total run time %.1f s.\n", e2e::kProgramPages,
                double(wall.elapsed()) / 1000.0);
    if (!violations.isEmpty()) {
        std::printf("\nFAILED:\n");
        for (const QString &v : violations)
            std::printf("  %s\n", qPrintable(v));
        return 1;
    }
    std::printf("Every success left the unit holding the window's set; every failure showed "
                "its red error text; no cycle ran past the resend rules.\n");
    return 0;
}
