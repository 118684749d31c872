#include "MonitorDecoder.h"

#include "MessageTable.h"

#include <algorithm>

using lang::Msg;
namespace st = wire::status;

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

QString MonitorDecoder::versionMismatchText(int unitVersion) const
{
    return m_messages.text(Msg::UnmatchedVersion) +
           QString::asprintf("  PC-%d, IGN-%d", wire::PC_FORMAT_VERSION, unitVersion);
}

void MonitorDecoder::setFlagLine(MonitorDisplay &display, MonitorLabel label,
                                 const QString &caption, bool on, LabelColour onColour) const
{
    display.lines[int(label)] = {caption + m_messages.pick(Msg::Yes, on),
                                 on ? onColour : LabelColour::Normal};
}

MonitorDisplay MonitorDecoder::decode(const StatusRecord &status, quint8 hardLimiter) const
{
    MonitorDisplay d;
    const int speed = status.currentSpeed();
    const bool pickup = status.flag(st::PICKUP_SIGNAL);
    const QString dash = QStringLiteral(" - ");

    d.lines[int(MonitorLabel::LabelRpm)].text = QString::asprintf("RPM = %d ", speed);
    const int divisor = hardLimiter != 0 ? hardLimiter : 100;
    d.rpmGauge = std::min(speed / divisor, kRpmGaugeMax);

    const QString advance = pickup && !status.flag(st::BASIC_ADVANCE)
                                ? QString::asprintf(" = %d\u00B0 /max %d\u00B0",
                                                    status.advanceNow(), status.advanceMax())
                                : QStringLiteral(" = ") + m_messages.text(Msg::Basic);
    d.lines[int(MonitorLabel::LabelMon_Advance)] = {
        m_messages.text(Msg::Advance) + advance,
        status.advanceNow() >= status.advanceMax() ? LabelColour::Yellow : LabelColour::Normal};

    const float volts = float(status.supplyMv()) * 0.001f;
    d.lines[int(MonitorLabel::LabelNapeti)] = {QString::asprintf("U = %4.1f [V]", double(volts)),
                                               supplyColour(status.supplyMv())};

    setFlagLine(d, MonitorLabel::LabelMonStartLimiterOut,
                m_messages.text(Msg::StartLimiter) + QStringLiteral(": "),
                status.flag(st::START_LIMITER_ON), LabelColour::Fuchsia);
    setFlagLine(d, MonitorLabel::LabelMonHardLimiter, m_messages.text(Msg::Limiter) + dash,
                status.flag(st::LIMITER_ON), LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonLedRazeni, m_messages.text(Msg::GearShiftLight) + dash,
                status.flag(st::SHIFT_LIGHT_ON), LabelColour::Yellow);
    setFlagLine(d, MonitorLabel::LabelClutchMon, m_messages.text(Msg::ClutchMaster) + dash,
                status.flag(st::CLUTCH_ON), LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonRetard, m_messages.text(Msg::Retard) + dash,
                status.flag(st::RETARD_ON), LabelColour::Aqua);
    setFlagLine(d, MonitorLabel::LabelBlocking, m_messages.text(Msg::MotorOff) + dash,
                status.flag(st::BLOCKING_ON), LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelKillSwitch, QStringLiteral("Kill switch - "),
                status.flag(st::KILL_SWITCH_ON), LabelColour::Red);
    setFlagLine(d, MonitorLabel::LabelMonInput1In,
                m_messages.text(Msg::Input) + QStringLiteral(" 1: "),
                status.flag(st::INPUT1_ACTIVE), LabelColour::Fuchsia);
    setFlagLine(d, MonitorLabel::LabelMonInput2In,
                m_messages.text(Msg::Input) + QStringLiteral(" 2: "),
                status.flag(st::INPUT2_ACTIVE), LabelColour::Aqua);

    d.lines[int(MonitorLabel::LabelSnimac)] = {m_messages.text(Msg::PickUp) + dash +
                                                   m_messages.pick(Msg::IsRunning, pickup),
                                               pickup ? LabelColour::Lime : LabelColour::Normal};

    const QString polarity = m_messages.text(Msg::PolarityOfCkps);
    if (speed == 0) {
        d.lines[int(MonitorLabel::LabelPolaritaMer)] = {polarity + QStringLiteral(": ---"),
                                                        LabelColour::Normal};
    } else {
        const bool negative = status.flag(st::POLARITY_NEG);
        d.lines[int(MonitorLabel::LabelPolaritaMer)] = {
            polarity + QStringLiteral(": ") +
                m_messages.text(negative ? Msg::Negative : Msg::Positive),
            status.flag(st::POLARITY_OK) ? LabelColour::Normal : LabelColour::Red};
    }

    d.versionMatches = status.formatVersion() == wire::PC_FORMAT_VERSION;
    if (!d.versionMatches)
        d.versionText = versionMismatchText(status.formatVersion());
    d.eeDataError = status.flag(st::EE_DATA_ERROR);

    d.lines[int(MonitorLabel::LabelPocetProgramovani)].text =
        m_messages.text(Msg::NumberOfPrograming) + QString::number(status.progCount());
    for (int i = 0; i < st::TEST_VALUE_COUNT; ++i) {
        d.lines[int(MonitorLabel::LabelTest1) + i].text =
            QString::asprintf("Test%d = %d ", i + 1, int(status.testValue(i)));
    }
    return d;
}
