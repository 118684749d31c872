#pragma once

#include "MonitorLabels.h"

#include <QString>

#include <optional>

// Everything the link shows in the window. The window implements it; the
// link calls it from tick() and from the start and port commands.
//
// Calls come in the middle of a link step only where the step itself needs
// the window (collectControls, showParameterSet). The two message boxes are
// requested only after the link has finished its work and updated its state,
// so a window that shows them modally (running a nested event loop, and so
// further ticks) finds the link consistent. Showing them without blocking
// (QMessageBox::open) is still the better choice, since ticks keep polling.
class LinkView
{
public:
    virtual ~LinkView() = default;

    // Message line LabelHlaseni; colour is Normal or Red.
    virtual void setMessageText(const QString &text) = 0;
    virtual void setMessageColour(LabelColour colour) = 0;
    virtual void setMessageVisible(bool visible) = 0;

    // Transfer gauge CGaugeProgram, 0..PollCycle::kProgressMax.
    virtual void setProgress(int value) = 0;
    virtual void setProgressVisible(bool visible) = 0;

    // "No Connection" label LabelSpojeni.
    virtual void setConnectionLabelVisible(bool visible) = 0;

    // Data-format warning LabelVersion.
    virtual void setVersionLabelText(const QString &text) = 0;
    virtual void setVersionLabelVisible(bool visible) = 0;

    // Stored-data error LabelEeDataErr.
    virtual void setEeDataErrorVisible(bool visible) = 0;

    // Live monitor.
    virtual void setMonitorText(MonitorLabel label, const QString &text) = 0;
    virtual void setMonitorColour(MonitorLabel label, LabelColour colour) = 0;
    virtual void setRpmGauge(int percent) = 0;
    // Curve row 0..14 to mark lime (both of its edit fields), or none.
    virtual void setCurrentPoint(std::optional<int> row) = 0;

    // Reads every control into the parameter image (before Program and Verify).
    virtual void collectControls() = 0;
    // Shows the (already normalised) image in the controls, identification
    // texts included (PollCycle::identification()).
    virtual void showParameterSet() = 0;
    // Empties the file-name label LabelFile2 (a read replaces the file's set).
    virtual void clearFileName() = 0;

    // Message boxes: the unit's data-format mismatch, and a port that cannot
    // be opened ("Com opening error!").
    virtual void showVersionMismatch(const QString &text) = 0;
    virtual void showComOpeningError(const QString &text) = 0;
};
