#include "FormBinding.h"

#include "CurveShift.h"
#include "ParameterCodes.h"
#include "RangeRule.h"
#include "SpinRanges.h"
#include "TextFit.h"
#include "ui_TFormHlav.h"

#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {
void setListIndex(QComboBox *list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index);
}

quint8 checkFlag(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

// An up-down pair: the value is clamped into the field's range and written in
// the field's own format (thousands separators on the grouped fields).
void showPair(SpinEdit *edit, int value)
{
    const QSignalBlocker blocker(edit);
    edit->setValue(value);
}

void showCheck(QCheckBox *box, quint8 flag)
{
    const QSignalBlocker blocker(box);
    box->setChecked(flag != 0);
}
} // namespace

FormBinding::FormBinding(Ui::TFormHlav &ui, ParameterSet &image, WindowState &state,
                         QObject *parent)
    : QObject(parent), m_ui(ui), m_image(image), m_state(state),
      m_tables(ControlTables::build(ui.centralwidget->window()))
{
    applySpinRanges(m_ui, m_tables);
}

void FormBinding::CollectControls()
{
    collectInto(m_image, PickupControls::Follow);
}

ParameterSet FormBinding::collectedSet()
{
    ParameterSet collected = m_image;
    collectInto(collected, PickupControls::KeepStill);
    collected.NormaliseParameterSet();
    return collected;
}

void FormBinding::collectInto(ParameterSet &image, PickupControls controls)
{
    using codes::toStored;
    if (const auto bike = codes::bikeFromListIndex(m_ui.ComboBoxBike->currentIndex()))
        image.setBike(*bike);

    image.setPocetBodu(quint8(m_ui.EditPocetBodu->position()));
    image.setBaseAdv(quint8(m_ui.EditBaseAdv->position()));
    image.setLimiter(0, toStored(m_ui.EditOmez1->position(), codes::kRpmScale));
    image.setLimiter(1, toStored(m_ui.EditOmez2->position(), codes::kRpmScale));
    image.setLimiter(2, quint8(m_ui.EditRetard->position()));

    // The pick-up kind decides ignitions per revolution and polarity. Setting
    // the polarity group counts as a click on it, so its handler runs.
    if (image.bike() == 0) {
        image.setGeberNr(codes::geberNrFromListIndex(m_ui.ComboBoxPocPalcu->currentIndex()));
        image.setPolarita(quint8(m_ui.RadioGroupPolarita->itemIndex()));
    } else if (const auto forced = codes::forcedPickup(image.bike())) {
        image.setGeberNr(forced->geberNr);
        image.setPolarita(forced->polarita);
        if (controls == PickupControls::Follow) {
            setListIndex(m_ui.ComboBoxPocPalcu, codes::listIndexFromGeberNr(forced->geberNr));
            m_ui.RadioGroupPolarita->setItemIndex(forced->polarita);
        }
    }

    image.setPilotLight(toStored(m_ui.EditLedRazeni->position(), codes::kRpmScale));
    image.setClutch(0, toStored(m_ui.EditClutch1->position(), codes::kClutchScale));
    image.setClutch(1, toStored(m_ui.EditClutch2->position(), codes::kClutchScale));
    image.setInput(0, quint8(m_ui.RadioGroupInput1->itemIndex()));
    image.setInput(1, quint8(m_ui.RadioGroupInput2->itemIndex()));
    image.setNoReading(checkFlag(m_ui.CheckBoxZakazCteni));
    image.setRpm(0, quint8(m_ui.EditRpmPulsu->position()));
    image.setRpm(1, codes::correctionToStored(m_ui.EditRpmKorekce->position()));
    image.setRevOutPilotLight(checkFlag(m_ui.CheckBoxRevOutLedRazeni));

    // Hidden points too: they stay in the image beyond POCET_BODU.
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        image.setRpmAdv(i, toStored(m_tables.RpmAdvEdits[i]->position(), codes::kRpmScale));
        image.setAdvance(i, quint8(m_tables.AdvanceEdits[i]->position()));
    }
}

void FormBinding::ShowParameterSet()
{
    using codes::toDisplay;
    const QScopedValueRollback updating(m_updating, m_updating + 1);
    const TextFitLayout::Batch fitOnce;
    if (const auto index = codes::listIndexFromBike(m_image.bike()))
        setListIndex(m_ui.ComboBoxBike, *index);

    showPair(m_ui.EditPocetBodu, m_image.pocetBodu());
    showPair(m_ui.EditBaseAdv, m_image.baseAdv());
    showPair(m_ui.EditOmez1, toDisplay(m_image.limiter(0), codes::kRpmScale));
    showPair(m_ui.EditOmez2, toDisplay(m_image.limiter(1), codes::kRpmScale));
    showPair(m_ui.EditRetard, m_image.limiter(2));

    // Radio groups report the program's change like a click (see takeRadioChoice).
    m_ui.RadioGroupPolarita->setItemIndex(m_image.polarita());
    setListIndex(m_ui.ComboBoxPocPalcu, codes::listIndexFromGeberNr(m_image.geberNr()));

    showPair(m_ui.EditLedRazeni, toDisplay(m_image.pilotLight(), codes::kRpmScale));
    showPair(m_ui.EditClutch1, toDisplay(m_image.clutch(0), codes::kClutchScale));
    showPair(m_ui.EditClutch2, toDisplay(m_image.clutch(1), codes::kClutchScale));

    m_ui.RadioGroupInput1->setItemIndex(m_image.input(0));
    m_ui.RadioGroupInput2->setItemIndex(m_image.input(1));
    showCheck(m_ui.CheckBoxZakazCteni, m_image.noReading());

    showPair(m_ui.EditRpmPulsu, m_image.rpm(0));
    showPair(m_ui.EditRpmKorekce, codes::correctionToDisplay(m_image.rpm(1)));
    showCheck(m_ui.CheckBoxRevOutLedRazeni, m_image.revOutPilotLight());

    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        showPair(m_tables.RpmAdvEdits[i], toDisplay(m_image.rpmAdv(i), codes::kRpmScale));
        showPair(m_tables.AdvanceEdits[i], m_image.advance(i));
    }

    ApplyVisibilityRules();
    emit parameterSetShown();
}

void FormBinding::ApplyRangeRule()
{
    ::ApplyRangeRule(m_image, m_state);
}

void FormBinding::CommitChange()
{
    ApplyRangeRule();
    ShowParameterSet();
    RecordUndoStep();
}

void FormBinding::ApplyVisibilityRules()
{
    const QScopedValueRollback updating(m_updating, m_updating + 1);
    const TextFitLayout::Batch fitOnce;
    ::ApplyVisibilityRules(m_ui, m_tables, m_image, m_printMode, m_unitTexts);
}

void FormBinding::StartUndoHistory()
{
    m_undo.StartUndoHistory(m_image);
    updateUndoButtons();
}

void FormBinding::RecordUndoStep()
{
    const UndoHistory::Step step =
        m_undo.RecordUndoStep(m_image, m_ui.CheckBoxProgHned->isChecked());
    if (step.changed)
        updateUndoButtons();
    if (step.startProgramming)
        emit startProgramming();
}

void FormBinding::SpeedButtonZpetClick()
{
    showRestored(m_undo.Undo(m_image));
}

void FormBinding::SpeedButtonZnovuClick()
{
    showRestored(m_undo.Redo(m_image));
}

// Undo and redo neither read the controls nor record: the snapshot is shown as it was.
void FormBinding::showRestored(bool restored)
{
    if (!restored)
        return;
    ShowParameterSet();
    updateUndoButtons();
    if (m_ui.CheckBoxProgHned->isChecked())
        emit startProgramming();
}

void FormBinding::BitBtnAdvMinusClick()
{
    shiftAdvance(-1);
}

void FormBinding::BitBtnAdvPlusClick()
{
    shiftAdvance(1);
}

void FormBinding::shiftAdvance(int step)
{
    CollectControls();
    ApplyRangeRule();
    ShiftAdvance(m_image, step, m_ui.CheckBoxIgnAll->isChecked(), m_currentPoint);
    CommitChange();
}

void FormBinding::takeRadioChoice(int position, int itemIndex)
{
    m_image.set(position, quint8(itemIndex));
    RecordUndoStep();
    ApplyVisibilityRules();
}

void FormBinding::updateUndoButtons()
{
    m_ui.SpeedButtonZpet->setEnabled(m_undo.canUndo());
    m_ui.SpeedButtonZnovu->setEnabled(m_undo.canRedo());
}
