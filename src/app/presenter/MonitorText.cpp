#include "MonitorText.h"

#include "LinkProtocol.h"
#include "MessageTable.h"
#include "MonitorValues.h"

#include <algorithm>

using lang::Msg;

namespace {

// Supply voltage bands, millivolts: red outside, yellow between red and normal.
constexpr int kRedLowMv = 7000;
constexpr int kYellowLowMv = 11000;
constexpr int kYellowHighMv = 14999;
constexpr int kRedHighMv = 17999;

LabelColour supplyColour(int millivolts)
{
    if (millivolts <= kRedLowMv || millivolts >= kRedHighMv)
        return LabelColour::Red;
    if (millivolts <= kYellowLowMv || millivolts >= kYellowHighMv)
        return LabelColour::Yellow;
    return LabelColour::Normal;
}

} // namespace

QString MonitorText::versionMismatchText(int unitVersion) const
{
    return m_messages.text(Msg::UnmatchedVersion) +
           QString::asprintf("  PC-%d, IGN-%d", wire::PC_FORMAT_VERSION, unitVersion);
}

void MonitorText::setFlagLine(MonitorDisplay &display, MonitorLabel label, const QString &caption,
                              bool on, LabelColour onColour) const
{
    display.lines[int(label)] = {caption + m_messages.pick(Msg::Yes, on),
                                 on ? onColour : LabelColour::Normal};
}

MonitorDisplay MonitorText::decode(const MonitorValues &v, quint8 hardLimiter) const
{
    MonitorDisplay d;
    const int speed = v.engineSpeed;
    const QString dash = QStringLiteral(" - ");

    d.lines[int(MonitorLabel::LabelRpm)].text = QString::asprintf("RPM = %d ", speed);
    const int divisor = hardLimiter != 0 ? hardLimiter : 100;
    d.rpmGauge = std::min(speed / divisor, kRpmGaugeMax);

    const QString advance =
        v.pickup && !v.basicAdvance
            ? QString::asprintf(" = %d\u00B0 /max %d\u00B0", v.advanceNow, v.advanceMax)
            : QStringLiteral(" = ") + m_messages.text(Msg::Basic);
    d.lines[int(MonitorLabel::LabelMon_Advance)] = {
        m_messages.text(Msg::Advance) + advance,
        v.advanceNow >= v.advanceMax ? LabelColour::Yellow : LabelColour::Normal};

    // The product in double, narrowed to single precision once, as the unit's
    // own display rounds it: 12450 mV is 12.4499998 V and shows "12.4". A
    // single-precision 0.001 would make it 12.4500006 and show "12.5".
    const float volts = float(v.supplyMv * 0.001);
    d.lines[int(MonitorLabel::LabelNapeti)] = {QString::asprintf("U = %4.1f [V]", double(volts)),
                                               supplyColour(v.supplyMv)};

    setFlagLine(d, MonitorLabel::LabelMonStartLimiterOut,
                m_messages.text(Msg::StartLimiter) + QStringLiteral(": "), v.startLimiter,
                LabelColour::Fuchsia);
    setFlagLine(d, MonitorLabel::LabelMonHardLimiter, m_messages.text(Msg::Limiter) + dash,
                v.limiter, LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonLedRazeni, m_messages.text(Msg::GearShiftLight) + dash,
                v.shiftLight, LabelColour::Yellow);
    setFlagLine(d, MonitorLabel::LabelClutchMon, m_messages.text(Msg::ClutchMaster) + dash,
                v.clutch, LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonRetard, m_messages.text(Msg::Retard) + dash, v.retard,
                LabelColour::Aqua);
    setFlagLine(d, MonitorLabel::LabelBlocking, m_messages.text(Msg::MotorOff) + dash, v.blocking,
                LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelKillSwitch, QStringLiteral("Kill switch - "), v.killSwitch,
                LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonInput1In,
                m_messages.text(Msg::Input) + QStringLiteral(" 1: "), v.input1,
                LabelColour::Fuchsia);
    setFlagLine(d, MonitorLabel::LabelMonInput2In,
                m_messages.text(Msg::Input) + QStringLiteral(" 2: "), v.input2, LabelColour::Aqua);

    d.lines[int(MonitorLabel::LabelSnimac)] = {m_messages.text(Msg::PickUp) + dash +
                                                   m_messages.pick(Msg::IsRunning, v.pickup),
                                               v.pickup ? LabelColour::Lime : LabelColour::Normal};

    const QString polarity = m_messages.text(Msg::PolarityOfCkps);
    if (speed == 0) {
        d.lines[int(MonitorLabel::LabelPolaritaMer)] = {polarity + QStringLiteral(": ---"),
                                                        LabelColour::Normal};
    } else {
        d.lines[int(MonitorLabel::LabelPolaritaMer)] = {
            polarity + QStringLiteral(": ") +
                m_messages.text(v.polarityNegative ? Msg::Negative : Msg::Positive),
            v.polarityOk ? LabelColour::Normal : LabelColour::Red};
    }

    d.versionMatches = v.versionMatches();
    if (!d.versionMatches)
        d.versionText = versionMismatchText(v.formatVersion);
    d.eeDataError = v.eeDataError;

    d.lines[int(MonitorLabel::LabelPocetProgramovani)].text =
        m_messages.text(Msg::NumberOfPrograming) + QString::number(v.progCount);
    for (size_t i = 0; i < v.testValues.size(); ++i) {
        d.lines[int(MonitorLabel::LabelTest1) + int(i)].text =
            QString::asprintf("Test%d = %d ", int(i) + 1, int(v.testValues[i]));
    }
    return d;
}
