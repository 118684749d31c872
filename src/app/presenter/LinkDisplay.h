#pragma once

#include "MonitorLabels.h"

#include <QString>

#include <functional>
#include <optional>

struct UnitIdentification;

// The window's link indicators, as the presenter fills them. The window
// implements it on its controls; tests record the calls.
class LinkDisplay
{
public:
    virtual ~LinkDisplay() = default;

    // Message line LabelHlaseni.
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
    // Curve row 0..14 to mark lime (both of its edit fields), or none; the
    // Advance - and + commands use it as the current point.
    virtual void setCurrentPoint(std::optional<int> row) = 0;

    // The unit's identification, shown by every refresh of the controls.
    virtual void setUnitTexts(const UnitIdentification &texts) = 0;
    // Shows the (already normalised) image in the controls.
    virtual void showParameterSet() = 0;
    // The window is being printed: the message and connection labels stay hidden.
    virtual bool printMode() const = 0;

    // Message boxes that do not block the tick: the unit's data-format
    // mismatch (closed runs when the user has closed it), and a port that
    // cannot be opened.
    virtual void showVersionMismatch(const QString &text, std::function<void()> closed) = 0;
    virtual void showComOpeningError(const QString &text) = 0;
    // A note about the port in the status bar StatusBar1.
    virtual void showStatusNote(const QString & /*text*/) {}
};
