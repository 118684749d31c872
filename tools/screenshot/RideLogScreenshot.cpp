// Renders the ride log viewer offscreen on a made-up twelve-minute ride over
// the fifteen-point curve, for the manuals:
//   zevras-ridelog-screenshot <window.png> <language 0..3> [timeline.png map.png]
// The two optional files are written by the viewer's own PNG export.

#include "GraphScreenshot.h"
#include "MonitorCsv.h"
#include "ParameterSet.h"
#include "RideLogWindow.h"
#include "RideTimeLine.h"
#include "WindowState.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace {

// Laps of a short track: speed and advance rising and falling, the shift
// light and the limiter at the top, a lost connection of 20 s halfway.
QByteArray demoRide()
{
    QByteArray text = MonitorCsv::headerLine();
    const QDateTime start(QDate(2026, 6, 14), QTime(10, 30), Qt::OffsetFromUTC, 7200);
    qint64 ms = 0;
    for (int i = 0; i < 2200; ++i) {
        const double lap = std::fmod(i / 90.0, 1.0);
        const double phase =
            0.5 - 0.5 * std::cos(lap * 2 * M_PI * 3) * (0.7 + 0.3 * std::sin(i / 37.0));
        MonitorValues values;
        values.pickup = true;
        values.engineSpeed = quint16(2200 + 10600 * phase);
        values.advanceNow = int(std::lround(10 + 24 * std::min(1.0, phase * 1.3)));
        values.supplyMv = quint16(13900 - 500 * phase - (i > 1500 && i < 1560 ? 1400 : 0));
        values.shiftLight = values.engineSpeed > 11500;
        values.limiter = values.engineSpeed > 12600;
        values.clutch = lap < 0.03;
        values.input1 = true;
        ms += i == 1100 ? 20000 : 330;
        text += MonitorCsv::rowLine(start.addMSecs(ms), values);
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        qWarning(
            "usage: zevras-ridelog-screenshot <window.png> <language 0..3> [timeline.png map.png]");
        return 2;
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ride.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(demoRide()) < 0)
        return 1;
    file.close();

    ParameterSet image;
    image.SetDefaults();
    setFifteenPointCurve(image);
    WindowState state;
    state.setLanguage(quint8(args.at(2).toInt()));
    RideLogWindow window(image, state, nullptr);
    window.resize(1100, 760);
    window.show();
    if (!window.openFile(path))
        return 1;
    RideTimeLine &line = window.timeLine();
    line.setRange(150000, 480000);
    line.setCursorRow(700);
    app.processEvents();
    bool saved = window.grab().save(args.at(1));
    if (args.size() > 4)
        saved = saved && window.exportTimeLine(args.at(3)) && window.exportMap(args.at(4));
    return saved ? 0 : 1;
}
