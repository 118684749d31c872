#include "GraphScreenshot.h"

#include "ControlTables.h"
#include "CurveGraphWindow.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "SerialPort.h"
#include "SpinEdit.h"

#include <QApplication>
#include <QTimer>

void setFifteenPointCurve(ParameterSet &image)
{
    image.setPocetBodu(15);
    const quint8 advances[15] = {8, 10, 13, 17, 21, 25, 28, 31, 33, 34, 34, 32, 30, 27, 24};
    for (int i = 0; i < 15; ++i) {
        image.setRpmAdv(i, quint8(10 + 9 * i));
        image.setAdvance(i, advances[i]);
    }
}

int saveCurveGraph(QWidget *mainWindow, const ControlTables &tables, const ParameterSet &image,
                   const WindowState &state, const QString &device, const QString &file)
{
    SerialPort port;
    PollCycle link(port);
    CurveGraphWindow window(image, state, link, mainWindow);
    window.graph().setRanges({tables.RpmAdvEdits[0]->minimum(), tables.RpmAdvEdits[0]->maximum(),
                              tables.AdvanceEdits[0]->minimum(),
                              tables.AdvanceEdits[0]->maximum()});
    window.open();

    if (!link.openComPort(1, device)) {
        qWarning("zevras-screenshot: cannot open %s: %s", qPrintable(device),
                 qPrintable(link.portError()));
        return 1;
    }

    // A second of status answers (18 ticks of 55 ms) before the picture, at
    // most five seconds of ticks in all.
    constexpr int kTicksShown = 18;
    constexpr int kTicksAllowed = 91;
    int ticks = 0;
    int ticksWithPoint = 0;
    int code = 1;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        link.tick();
        ++ticks;
        if (window.graph().operatingPoint())
            ++ticksWithPoint;
        if (ticksWithPoint >= kTicksShown) {
            code = window.grab().save(file) ? 0 : 1;
            QCoreApplication::quit();
        } else if (ticks >= kTicksAllowed) {
            qWarning("zevras-screenshot: no engine running on %s within 5 s", qPrintable(device));
            QCoreApplication::quit();
        }
    });
    clock.start(55);
    QApplication::exec();
    link.closeComPort();
    return code;
}
