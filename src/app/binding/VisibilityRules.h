#pragma once

#include <QString>

class ParameterSet;
struct ControlTables;
namespace Ui {
class TFormHlav;
}

// The identification of the unit's program, decoded from page 0 by the link.
struct UnitTexts
{
    QString name;
    QString date;
    QString time;
};

// Recomputes from the image and the window flags which controls show, which are
// greyed and which are painted red, and turns the window into a plain sheet for
// printing. Keeps no state: the last run decides the look.
void ApplyVisibilityRules(Ui::TFormHlav &ui, const ControlTables &tables, const ParameterSet &image,
                          bool printMode, const UnitTexts &unit);
