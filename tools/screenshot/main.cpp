// Renders the main window offscreen into a PNG, to look at the layout:
//   zevras-screenshot <file.png> [points] [language] [print]
// "print" renders the sheet form the print command uses.
#include "DesignExtras.h"
#include "FormBinding.h"
#include "LanguageTexts.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "ui_TFormHlav.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: zevras-screenshot <file.png> [points 1..15] [language 0..3] [print]");
        return 2;
    }
    QMainWindow window;
    Ui::TFormHlav ui;
    ui.setupUi(&window);
    applyDesignExtras(&window);

    ParameterSet image;
    image.SetDefaults();
    if (args.size() > 2)
        image.setPocetBodu(quint8(args.at(2).toInt()));
    quint8 language = args.size() > 3 ? quint8(args.at(3).toInt()) : 0;
    quint8 comPort = 1;
    lang::MessageTable messages;
    lang::applyLanguageTexts(&window, messages, language);

    FormBinding binding(ui, image, language, comPort);
    binding.ApplyRangeRule();
    binding.ShowParameterSet();
    binding.StartUndoHistory();
    binding.setPrintMode(args.size() > 4 && args.at(4) == QLatin1String("print"));
    binding.ApplyVisibilityRules();

    window.show();
    app.processEvents();
    return window.grab().save(args.at(1)) ? 0 : 1;
}
