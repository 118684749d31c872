#include "SpinRanges.h"

#include "ControlRanges.h"
#include "ui_TFormHlav.h"

#include <utility>

namespace {

void applyRange(SpinEdit *edit, int position)
{
    const auto range = controlranges::spinRange(position);
    Q_ASSERT(range);
    edit->setRange(range->minimum, range->maximum);
    edit->setSingleStep(range->step);
}

} // namespace

void applySpinRanges(Ui::TFormHlav &ui, const ControlTables &tables)
{
    using P = ParameterSet;
    const std::pair<SpinEdit *, int> fields[] = {
        {ui.EditPocetBodu, P::POCET_BODU}, {ui.EditBaseAdv, P::BASE_ADV},
        {ui.EditOmez1, P::LIMITER},        {ui.EditOmez2, P::LIMITER + 1},
        {ui.EditRetard, P::LIMITER + 2},   {ui.EditLedRazeni, P::PILOT_LIGHT},
        {ui.EditClutch1, P::CLUTCH},       {ui.EditClutch2, P::CLUTCH + 1},
        {ui.EditRpmPulsu, P::RPM},         {ui.EditRpmKorekce, P::RPM + 1},
    };
    for (const auto &[edit, position] : fields)
        applyRange(edit, position);
    for (int i = 0; i < P::kCurvePoints; ++i) {
        applyRange(tables.RpmAdvEdits[i], P::RPM_ADV + i);
        applyRange(tables.AdvanceEdits[i], P::ADVANCE + i);
    }
}
