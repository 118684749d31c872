// Renders the main window offscreen into a PNG, to look at the layout:
//   zevras-screenshot <file.png> [points] [language] [print]
// "print" renders the sheet form the print command uses.
//   zevras-screenshot <file.png> 15 <language> graph <device>
// renders the advance curve graph on a fifteen-point curve instead, its
// operating point following the unit on device, and
//   zevras-screenshot --page1-hex
// prints that set's page 1 for the simulator's --page1-hex.
#include "DesignExtras.h"
#include "FormBinding.h"
#include "GraphScreenshot.h"
#include "LanguageTexts.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "WindowState.h"
#include "ui_TFormHlav.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool graph = args.size() > 5 && args.at(4) == QLatin1String("graph");
    if (args.size() == 2 && args.at(1) == QLatin1String("--page1-hex")) {
        ParameterSet image;
        image.SetDefaults();
        setFifteenPointCurve(image);
        const QByteArray page(reinterpret_cast<const char *>(image.page(1)),
                              ParameterSet::kPageSize);
        std::printf("%s\n", page.toHex().constData());
        return 0;
    }
    if (args.size() < 2) {
        qWarning("usage: zevras-screenshot <file.png> [points 1..15] [language 0..3] [print | "
                 "graph <device>]\n       zevras-screenshot --page1-hex");
        return 2;
    }
    QMainWindow window;
    Ui::TFormHlav ui;
    ui.setupUi(&window);
    applyDesignExtras(&window);

    ParameterSet image;
    image.SetDefaults();
    if (graph)
        setFifteenPointCurve(image);
    else if (args.size() > 2)
        image.setPocetBodu(quint8(args.at(2).toInt()));
    WindowState state;
    state.setLanguage(args.size() > 3 ? quint8(args.at(3).toInt()) : 0);
    lang::applyLanguageTexts(&window, state.messages());

    FormBinding binding(ui, image, state);
    binding.ApplyRangeRule();
    binding.ShowParameterSet();
    binding.StartUndoHistory();
    binding.setPrintMode(args.size() > 4 && args.at(4) == QLatin1String("print"));
    binding.ApplyVisibilityRules();

    if (graph)
        return saveCurveGraph(&window, binding.tables(), image, state, args.at(5), args.at(1));
    window.show();
    app.processEvents();
    return window.grab().save(args.at(1)) ? 0 : 1;
}
