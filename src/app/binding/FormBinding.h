#pragma once

#include "ControlTables.h"
#include "ParameterSet.h"
#include "UndoHistory.h"
#include "VisibilityRules.h"

#include <QObject>

#include <optional>

class WindowState;

namespace Ui {
class TFormHlav;
}

// Keeps the window's controls and the parameter image in step: a confirmed
// edit reads the whole window into the image (collect), applies the range
// rule, writes the whole image back (show) and records an undo step (commit).
// The image is the truth; the controls are a view rebuilt after every change.
class FormBinding : public QObject
{
    Q_OBJECT

public:
    // The range rule clamps the state's language and Com port.
    FormBinding(Ui::TFormHlav &ui, ParameterSet &image, WindowState &state,
                QObject *parent = nullptr);

    const ControlTables &tables() const { return m_tables; }

    void CollectControls();
    // The image that a collect and the range rule would give, with nothing
    // touched: no control moved, no handler run, the image as it is.
    ParameterSet collectedSet();
    void ShowParameterSet();
    void ApplyRangeRule();
    void CommitChange();
    void ApplyVisibilityRules();

    void StartUndoHistory();
    void RecordUndoStep();
    void SpeedButtonZpetClick();  // undo
    void SpeedButtonZnovuClick(); // redo

    void BitBtnAdvMinusClick();
    void BitBtnAdvPlusClick();

    // True while the program itself writes the controls (a show or the
    // visibility rules). Focus that Qt moves away from a field hidden or
    // disabled meanwhile is no edit of the user's.
    bool updatingControls() const { return m_updating > 0; }

    // A radio group's selection became the field at image position.
    void takeRadioChoice(int position, int itemIndex);

    // While the window is printed; the link's labels stay hidden too.
    void setPrintMode(bool on) { m_printMode = on; }
    bool printMode() const { return m_printMode; }
    // The curve point nearest the engine speed, from the live monitor.
    void setCurrentPoint(std::optional<int> point) { m_currentPoint = point; }
    std::optional<int> currentPoint() const { return m_currentPoint; }
    // The unit's identification from its last page 0; every refresh shows it.
    void setUnitTexts(const UnitIdentification &texts) { m_unitTexts = texts; }

signals:
    // "Programming after change": the committed image is to be sent to the unit.
    void startProgramming();
    // The whole image has just been shown in the controls.
    void parameterSetShown();

private:
    // The pick-up rule sets the list and the polarity group to the forced
    // values, and the group's change runs its click handler, unless kept still.
    enum class PickupControls
    {
        Follow,
        KeepStill
    };
    void collectInto(ParameterSet &image, PickupControls controls);
    void showRestored(bool restored);
    void shiftAdvance(int step);
    void updateUndoButtons();

    Ui::TFormHlav &m_ui;
    ParameterSet &m_image;
    WindowState &m_state;
    ControlTables m_tables;
    UndoHistory m_undo;
    int m_updating = 0; // nesting depth of the program's own control updates
    bool m_printMode = false;
    std::optional<int> m_currentPoint;
    UnitIdentification m_unitTexts;
};
