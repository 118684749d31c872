#include "MonitorLabels.h"

namespace {

const char *const kNames[kMonitorLabelCount] = {
    "LabelRpm",
    "LabelMon_Advance",
    "LabelNapeti",
    "LabelMonStartLimiterOut",
    "LabelMonHardLimiter",
    "LabelMonLedRazeni",
    "LabelClutchMon",
    "LabelMonRetard",
    "LabelBlocking",
    "LabelKillSwitch",
    "LabelMonInput1In",
    "LabelMonInput2In",
    "LabelSnimac",
    "LabelPolaritaMer",
    "LabelPocetProgramovani",
    "LabelTest1",
    "LabelTest2",
    "LabelTest3",
    "LabelTest4",
    "LabelTest5",
    "LabelTest6",
    "LabelTest7",
    "LabelTest8",
};

} // namespace

const char *monitorLabelName(MonitorLabel label)
{
    return kNames[int(label)];
}
