#pragma once

#include <QObject>

class FormBinding;
struct CurvePoints;
class SpinEdit;
namespace Ui {
class TFormHlav;
}

// The handlers of the parameter controls: every confirmed edit (Enter, leaving
// a field, an arrow click, a list, radio or check-box choice with the mouse)
// commits the whole window. The clutch times and the shift-light speed have no
// exit or arrow handler: they are taken along by the next confirmed edit.
// The program's own updates of the controls run no handler but the radio
// groups' clicks. Also attaches the buttons and menu items of Advance -/+,
// Undo and Redo.
class FormEvents : public QObject
{
    Q_OBJECT

public:
    FormEvents(Ui::TFormHlav &ui, FormBinding &binding, QObject *parent = nullptr);

    void UpDownClick();
    void EditExit();
    void FormKeyPress(SpinEdit *edit); // Enter in an edit field
    void CheckBoxProgHnedMouseUp();
    void RadioGroupPolaritaClick();
    void RadioGroupInput1Click();
    void RadioGroupInput2Click();
    // A curve point edited elsewhere (the graph), in display units: put into
    // the point's two fields as if typed there, then taken like leaving a field.
    void CurvePointEdit(int index, int rpm, int advance);
    // The whole curve reshaped elsewhere (the graph's range edits): all its
    // fields and the points in use put in, then taken as one edit.
    void CurveEdit(const CurvePoints &curve);

private:
    void connectControls();

    Ui::TFormHlav &m_ui;
    FormBinding &m_binding;
};
