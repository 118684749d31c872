// Times saving and opening a .ign parameter file, the way the File commands
// do it: a whole file through IgnFile on a temporary folder, many times over.

#include "IgnFile.h"
#include "ParameterSet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Timing
{
    double medianUs = 0;
    double meanUs = 0;
};

Timing timingOf(std::vector<double> us)
{
    Timing t;
    if (us.empty())
        return t;
    std::sort(us.begin(), us.end());
    t.medianUs = us[us.size() / 2];
    double sum = 0;
    for (double v : us)
        sum += v;
    t.meanUs = sum / double(us.size());
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times .ign saves and loads."));
    parser.addHelpOption();
    parser.addOptions({
        {"iterations", "Saves and loads each (1000).", "N", "1000"},
        {"summary", "Print the figures as \"name value\" lines for other scripts."},
    });
    parser.process(app);
    const int iterations = std::max(1, parser.value("iterations").toInt());

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "ignbench: no temporary folder\n");
        return 1;
    }
    const QString path = folder.filePath(QStringLiteral("bench.ign"));
    ParameterSet saved;
    saved.SetDefaults();
    ParameterSet loaded;
    loaded.SetDefaults();

    std::vector<double> saveUs;
    std::vector<double> loadUs;
    saveUs.reserve(size_t(iterations));
    loadUs.reserve(size_t(iterations));
    QElapsedTimer clock;
    for (int i = 0; i < iterations; ++i) {
        saved.setAdvance(0, quint8(10 + i % 30)); // each save writes another set
        clock.start();
        const bool wrote = IgnFile::save(path, saved);
        saveUs.push_back(double(clock.nsecsElapsed()) / 1e3);
        clock.start();
        const bool read = IgnFile::load(path, loaded) == IgnFile::LoadResult::Loaded;
        loadUs.push_back(double(clock.nsecsElapsed()) / 1e3);
        if (!wrote || !read || loaded.advance(0) != saved.advance(0)) {
            std::fprintf(stderr, "ignbench: round %d did not come back whole\n", i + 1);
            return 1;
        }
    }
    const Timing save = timingOf(saveUs);
    const Timing load = timingOf(loadUs);

    if (parser.isSet("summary")) {
        std::printf("ign_save_us %.0f\nign_load_us %.0f\n", save.medianUs, load.medianUs);
        return 0;
    }
    std::printf("zevras .ign bench: %d saves and loads of %s\n\n", iterations, qPrintable(path));
    std::printf("%-36s %12s %12s\n", "operation", "median", "mean");
    std::printf("%-36s %9.0f us %9.0f us\n", "save (atomic, QSaveFile)", save.medianUs,
                save.meanUs);
    std::printf("%-36s %9.0f us %9.0f us\n", "load", load.medianUs, load.meanUs);
    return 0;
}
