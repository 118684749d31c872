#pragma once

#include "CurveGraph.h"
#include "LinkListener.h"
#include "SettingsPart.h"

#include <QWidget>

#include <optional>

class CurveEditBar;
class ParameterSet;
class PollCycle;
class SecondCurveChooser;
class QLabel;
class WindowState;
struct ToolWindowSettings;

// The live engine as the graph marks it: the reported speed and the advance
// the unit applies (its base advance while it fires at base), or none
// without a pick-up signal.
std::optional<OperatingPoint> operatingPointOf(const MonitorValues &values, int baseAdvance);

// The advance curve graph in a window of its own beside the main window,
// not modal. It shows the image in the texts of the window's language and
// passes edits of its points on as pointEdited. Keeps its place, and whether
// it was open, in the settings. Hears the link: the operating point and the
// point in use follow the unit's status.
class CurveGraphWindow : public QWidget, public SettingsPart, public LinkListener
{
    Q_OBJECT

public:
    // image, state and link belong to the main window (parent), which outlives this one.
    CurveGraphWindow(const ParameterSet &image, const WindowState &state, PollCycle &link,
                     QWidget *parent);

    CurveGraph &graph() { return *m_graph; }
    CurveEditBar &editBar() { return *m_editBar; }
    SecondCurveChooser &secondCurve() { return *m_secondCurve; }

    // Shows the image again in the present language; call after every show of the image.
    void refresh();

    // Opens the window and brings it to the front; placed beside the main
    // window the first time, unless settings placed it.
    void open();

    // Where the settings put it; a place off every screen is left for open() to choose.
    void restore(const ToolWindowSettings &settings);
    // Empty until the window has a place.
    ToolWindowSettings settings() const;

    // Opens once the event loop runs, so that it comes up after the main window.
    void restoreFrom(const Settings &settings) override;
    void keepIn(Settings &settings) const override;

    void statusTaken(const MonitorValues &values) override;
    void tickEnded() override;

signals:
    void pointEdited(int index, int rpm, int advance);

private:
    void placeBesideParent();

    const ParameterSet &m_image;
    const WindowState &m_state;
    const PollCycle &m_link;
    CurveGraph *m_graph = nullptr;
    CurveEditBar *m_editBar = nullptr;
    SecondCurveChooser *m_secondCurve = nullptr;
    QLabel *m_hint = nullptr;
    bool m_placed = false;
};
