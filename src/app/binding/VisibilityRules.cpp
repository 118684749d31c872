#include "VisibilityRules.h"

#include "Background.h"
#include "ControlTables.h"
#include "ParameterSet.h"
#include "ui_TFormHlav.h"

#include <QApplication>

namespace {
enum InputFunction : quint8
{
    KillOrBlocking = 1,
    ClutchMaster = 2,
    Retard = 3,
    StartLimiter = 4
};

// Red, or the normal look of whatever lies beneath.
void paintRed(QWidget *widget, bool red)
{
    if (red)
        setBackground(widget, QColor(255, 0, 0));
    else
        clearBackground(widget);
}

void setWindowBackground(QWidget *window, bool white)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, white ? QColor(255, 255, 255)
                                             : QApplication::palette().color(QPalette::Window));
    window->setPalette(palette);
}
} // namespace

void ApplyVisibilityRules(Ui::TFormHlav &ui, const ControlTables &tables, const ParameterSet &image,
                          bool printMode, const UnitIdentification &unit)
{
    const auto usedBy = [&image](InputFunction function) {
        return image.input(0) == function || image.input(1) == function;
    };
    const bool killSwitchUsed = image.input(0) == KillOrBlocking;
    const bool blockingUsed = image.input(1) == KillOrBlocking;
    const bool clutchUsed = usedBy(ClutchMaster);
    const bool retardUsed = usedBy(Retard);
    const bool startLimiterUsed = usedBy(StartLimiter);
    const bool pickupFree = image.bike() == 0;
    const bool onScreen = !printMode;

    setWindowBackground(ui.centralwidget->window(), printMode);

    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        const bool inUse = i < image.pocetBodu();
        tables.RpmAdvEdits[i]->setVisible(inUse);
        tables.AdvanceEdits[i]->setVisible(inUse);
        tables.RpmAdvUpDowns[i]->setVisible(inUse && onScreen);
        tables.AdvanceUpDowns[i]->setVisible(inUse && onScreen);
    }

    paintRed(ui.CheckBoxProgHned, ui.CheckBoxProgHned->isChecked());
    paintRed(ui.CheckBoxZakazCteni, ui.CheckBoxZakazCteni->isChecked());

    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui.CGaugeRpm, ui.CheckBoxProgHned, ui.CheckBoxZakazCteni, ui.StatusBar1, ui.ImageLogo,
             ui.GroupBoxToolBar, ui.UpDownBaseAdv, ui.UpDownOmez2, ui.UpDownLedRazeni,
             ui.BitBtnAdvMinus, ui.BitBtnAdvPlus, ui.CheckBoxIgnAll, ui.UpDownPocetBodu,
             ui.LabelSnimac})
        widget->setVisible(onScreen);

    ui.LabelKillSwitch->setEnabled(killSwitchUsed);
    ui.LabelMonRetard->setEnabled(retardUsed);
    ui.LabelBlocking->setEnabled(blockingUsed);
    ui.LabelMonStartLimiterOut->setEnabled(startLimiterUsed);
    ui.LabelClutchMon->setEnabled(clutchUsed);

    ui.ComboBoxPocPalcu->setEnabled(pickupFree);

    ui.EditOmez1->setEnabled(startLimiterUsed);
    ui.LabelOmez1->setEnabled(startLimiterUsed);
    ui.UpDownOmez1->setVisible(startLimiterUsed && onScreen);

    ui.EditRetard->setEnabled(retardUsed);
    ui.LabelRetard->setEnabled(retardUsed);
    ui.UpDownRetard->setVisible(retardUsed && onScreen);

    for (QWidget *widget : std::initializer_list<QWidget *>{ui.EditClutch1, ui.LabelClutch1,
                                                            ui.EditClutch2, ui.LabelClutch2})
        widget->setEnabled(clutchUsed);
    ui.UpDownClutch1->setVisible(clutchUsed && onScreen);
    ui.UpDownClutch2->setVisible(clutchUsed && onScreen);

    ui.RadioGroupPolarita->setEnabled(pickupFree);
    ui.LabelPolaritaMer->setEnabled(pickupFree);

    // The stored flag, not the box, decides the colour that stays.
    paintRed(ui.CheckBoxZakazCteni, image.noReading() != 0);

    ui.LabelVerze1->setText(unit.name);
    ui.LabelVerze2->setText(unit.date);
    ui.LabelVerze3->setText(unit.time);
}
