// Times the advance curve graph's repaint per status answer: the operating
// point and the point in use move as the link reports them, and the graph is
// painted again into an image, many times over, on a 15-point curve.

#include "CurveGraph.h"
#include "CurvePoint.h"
#include "ParameterSet.h"
#include "ToolTexts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// A status answer comes every 55 ms tick at most; the repaint has to stay a
// small part of it, a fifth, even when a busy machine holds the program back.
constexpr double kTargetP99Ms = 11;

// Fifteen points from 1000 to 13600 rpm, the advance rising to 34° and easing off at the top.
void setFifteenPoints(ParameterSet &image)
{
    image.SetDefaults();
    image.setPocetBodu(15);
    const quint8 advances[15] = {8, 10, 13, 17, 21, 25, 28, 31, 33, 34, 34, 32, 30, 27, 24};
    for (int i = 0; i < 15; ++i) {
        image.setRpmAdv(i, quint8(10 + 9 * i));
        image.setAdvance(i, advances[i]);
    }
}

// Milliseconds at the share (0..1) of the sorted values.
double at(const std::vector<double> &sorted, double share)
{
    return sorted[std::min(sorted.size() - 1, size_t(share * double(sorted.size())))];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the curve graph's repaint."));
    parser.addHelpOption();
    parser.addOptions({
        {"updates", "Operating points shown (1000).", "N", "1000"},
        {"summary", "Print the figures as \"name value\" lines for other scripts."},
    });
    parser.process(app);
    const int updates = std::max(1, parser.value("updates").toInt());

    ParameterSet image;
    setFifteenPoints(image);
    CurveGraph graph(image);
    graph.setRanges({600, 20100, 0, 60}); // the point fields' ranges in the window
    using lang::Tool;
    const auto text = [](Tool tool) { return lang::toolText(tool, 0); };
    graph.setTexts(text(Tool::EngineSpeedAxis), text(Tool::AdvanceAxis), text(Tool::BaseAdvance),
                   text(Tool::StartLimiter), text(Tool::Limiter));
    graph.resize(graph.sizeHint());
    QImage target(graph.size(), QImage::Format_ARGB32_Premultiplied);
    graph.render(&target); // the window has painted once before the first status answer

    // The engine sweeps 1000 to 13000 rpm and back, as the simulator's does.
    std::vector<double> ms;
    ms.reserve(size_t(updates));
    QElapsedTimer clock;
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < updates; ++i) {
        const int step = i % 200;
        const int rpm = 1000 + 120 * (step < 100 ? step : 200 - step);
        const int advance = 8 + (rpm - 1000) / 460;
        clock.start();
        graph.setOperatingPoint(OperatingPoint{rpm, advance});
        graph.setCurrentPoint(nearestCurvePoint(image, quint16(rpm)));
        graph.render(&target);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    // Processor time, which a busy machine does not stretch the way it does the wall clock.
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / updates;
    std::sort(ms.begin(), ms.end());
    const double median = at(ms, 0.5);
    const double p99 = at(ms, 0.99);

    if (parser.isSet("summary")) {
        std::printf("graph_repaint_median_ms %.2f\ngraph_repaint_p99_ms %.2f\n"
                    "graph_repaint_cpu_ms %.2f\n",
                    median, p99, cpuMs);
        return 0;
    }
    std::printf("zevras curve graph bench: %d repaints of %dx%d, 15 points\n\n", updates,
                graph.width(), graph.height());
    std::printf("%-30s %9.2f ms\n", "repaint, median", median);
    std::printf("%-30s %9.2f ms   <= %.0f ms   %s\n", "repaint, p99", p99, kTargetP99Ms,
                p99 <= kTargetP99Ms ? "ok" : "MISSED");
    std::printf("%-30s %9.2f ms\n", "repaint, slowest", ms.back());
    std::printf("%-30s %9.2f ms\n", "repaint, processor time, mean", cpuMs);
    return 0;
}
