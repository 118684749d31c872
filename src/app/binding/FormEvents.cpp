#include "FormEvents.h"

#include "CurveRangeEdit.h"
#include "FormBinding.h"
#include "ui_TFormHlav.h"

#include <QSignalBlocker>

FormEvents::FormEvents(Ui::TFormHlav &ui, FormBinding &binding, QObject *parent)
    : QObject(parent), m_ui(ui), m_binding(binding)
{
    connectControls();
}

void FormEvents::connectControls()
{
    const QList<const QWidget *> withoutHandlers{m_ui.EditClutch1,   m_ui.EditClutch2,
                                                 m_ui.EditLedRazeni, m_ui.UpDownClutch1,
                                                 m_ui.UpDownClutch2, m_ui.UpDownLedRazeni};
    const QWidget *window = m_ui.centralwidget->window();

    for (SpinEdit *edit : window->findChildren<SpinEdit *>()) {
        connect(edit, &SpinEdit::enterPressed, this, [this, edit] { FormKeyPress(edit); });
        if (!withoutHandlers.contains(edit))
            connect(edit, &SpinEdit::exited, this, &FormEvents::EditExit);
    }
    for (UpDown *upDown : window->findChildren<UpDown *>()) {
        if (!withoutHandlers.contains(upDown))
            connect(upDown, &UpDown::clicked, this, &FormEvents::UpDownClick);
    }
    for (QComboBox *list : {m_ui.ComboBoxBike, m_ui.ComboBoxPocPalcu})
        connect(list, &QComboBox::currentIndexChanged, this, &FormEvents::EditExit);
    for (MouseUpCheckBox *box :
         {m_ui.CheckBoxZakazCteni, m_ui.CheckBoxProgHned, m_ui.CheckBoxRevOutLedRazeni})
        connect(box, &MouseUpCheckBox::mouseReleased, this, &FormEvents::CheckBoxProgHnedMouseUp);
    connect(m_ui.RadioGroupPolarita, &RadioGroup::clicked, this,
            &FormEvents::RadioGroupPolaritaClick);
    connect(m_ui.RadioGroupInput1, &RadioGroup::clicked, this, &FormEvents::RadioGroupInput1Click);
    connect(m_ui.RadioGroupInput2, &RadioGroup::clicked, this, &FormEvents::RadioGroupInput2Click);

    // Buttons and menu items share the curve and undo commands.
    const auto onClick = [this](QAbstractButton *button, QAction *item,
                                void (FormBinding::*command)()) {
        connect(button, &QAbstractButton::clicked, &m_binding, command);
        connect(item, &QAction::triggered, &m_binding, command);
    };
    onClick(m_ui.BitBtnAdvMinus, m_ui.MenuAdvanceMinus, &FormBinding::BitBtnAdvMinusClick);
    onClick(m_ui.BitBtnAdvPlus, m_ui.MenuAdvancePlus, &FormBinding::BitBtnAdvPlusClick);
    onClick(m_ui.SpeedButtonZpet, m_ui.MenuZpet, &FormBinding::SpeedButtonZpetClick);
    onClick(m_ui.SpeedButtonZnovu, m_ui.MenuZnovu, &FormBinding::SpeedButtonZnovuClick);
}

void FormEvents::UpDownClick()
{
    if (m_binding.updatingControls())
        return;
    m_binding.CollectControls();
    m_binding.CommitChange();
}

void FormEvents::EditExit()
{
    if (m_binding.updatingControls())
        return;
    m_binding.CollectControls();
    m_binding.CommitChange();
}

void FormEvents::FormKeyPress(SpinEdit *edit)
{
    edit->moveFocusToNext();
    m_binding.CollectControls();
    m_binding.CommitChange();
}

void FormEvents::CheckBoxProgHnedMouseUp()
{
    if (m_binding.updatingControls())
        return;
    m_binding.CollectControls();
    m_binding.ApplyVisibilityRules();
    m_binding.CommitChange();
}

void FormEvents::RadioGroupPolaritaClick()
{
    m_binding.takeRadioChoice(ParameterSet::POLARITA, m_ui.RadioGroupPolarita->itemIndex());
}

void FormEvents::RadioGroupInput1Click()
{
    m_binding.takeRadioChoice(ParameterSet::INPUT, m_ui.RadioGroupInput1->itemIndex());
}

void FormEvents::RadioGroupInput2Click()
{
    m_binding.takeRadioChoice(ParameterSet::INPUT + 1, m_ui.RadioGroupInput2->itemIndex());
}

// The fields clamp the values into their ranges as they do for the
// program's own updates; the commit then applies the range rule, records
// the undo step and programs the unit when "Programming after change" is on.
void FormEvents::CurvePointEdit(int index, int rpm, int advance)
{
    if (index < 0 || index >= ParameterSet::kCurvePoints)
        return;
    const ControlTables &tables = m_binding.tables();
    for (const auto &[edit, value] : {std::pair{tables.RpmAdvEdits[index], rpm},
                                      std::pair{tables.AdvanceEdits[index], advance}}) {
        const QSignalBlocker blocker(edit);
        edit->setValue(value);
    }
    EditExit();
}

void FormEvents::CurveEdit(const CurvePoints &curve)
{
    const ControlTables &tables = m_binding.tables();
    const auto put = [](SpinEdit *edit, int value) {
        const QSignalBlocker blocker(edit);
        edit->setValue(value);
    };
    put(m_ui.EditPocetBodu, curve.count);
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        put(tables.RpmAdvEdits[i], curve.rpm[size_t(i)]);
        put(tables.AdvanceEdits[i], curve.advance[size_t(i)]);
    }
    EditExit();
}
