#pragma once

// Label background colours of the link's display. Normal is the window's
// button-face colour; the rest are the pure RGB colours of their names.
enum class LabelColour
{
    Normal,
    Red,
    Yellow,
    Fuchsia,
    Aqua,
    Lime,
    White
};

// The live-monitor labels, named after their controls.
enum class MonitorLabel
{
    LabelRpm,
    LabelMon_Advance,
    LabelNapeti,
    LabelMonStartLimiterOut,
    LabelMonHardLimiter,
    LabelMonLedRazeni,
    LabelClutchMon,
    LabelMonRetard,
    LabelBlocking,
    LabelKillSwitch,
    LabelMonInput1In,
    LabelMonInput2In,
    LabelSnimac,
    LabelPolaritaMer,
    LabelPocetProgramovani,
    LabelTest1,
    LabelTest2,
    LabelTest3,
    LabelTest4,
    LabelTest5,
    LabelTest6,
    LabelTest7,
    LabelTest8,
    Count
};

constexpr int kMonitorLabelCount = int(MonitorLabel::Count);

// The objectName of the control that shows the label.
const char *monitorLabelName(MonitorLabel label);
