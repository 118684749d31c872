#include "MonitorPlaceholders.h"

namespace lang {

const std::array<MonitorPlaceholder, 12> kMonitorPlaceholders = {{
    {"LabelMon_Advance", Msg::Advance, "= --- [°]"},
    {"LabelMonStartLimiterOut", Msg::StartLimiter, ": ---"},
    {"LabelMonHardLimiter", Msg::Limiter, ": ---"},
    {"LabelMonLedRazeni", Msg::GearShiftLight, ": ---"},
    {"LabelClutchMon", Msg::ClutchMaster, ": ---"},
    {"LabelMonRetard", Msg::Retard, ": ---"},
    {"LabelBlocking", Msg::MotorOff, ": ---"},
    {"LabelPocetProgramovani", Msg::NumberOfPrograming, " ---"},
    {"LabelSnimac", Msg::PickUp, ": ---"},
    {"LabelPolaritaMer", Msg::PolarityOfCkps, ": ---"},
    {"LabelMonInput1In", Msg::Input, " 1: ---"},
    {"LabelMonInput2In", Msg::Input, " 2: ---"},
}};

QString placeholderText(const MessageTable &messages, const MonitorPlaceholder &placeholder)
{
    return messages.text(placeholder.word) + QString::fromUtf8(placeholder.tail);
}

} // namespace lang
