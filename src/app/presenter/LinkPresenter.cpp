#include "LinkPresenter.h"

#include "CurvePoint.h"
#include "LinkDisplay.h"
#include "MessageTable.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "UnitInfo.h"

#include <algorithm>
#include <utility>

using lang::Msg;

namespace {

// Ends of the message line's text: a step under way, a step done.
constexpr QLatin1String kColon{":"};
constexpr QLatin1String kOk{": OK"};

} // namespace

LinkPresenter::LinkPresenter(PollCycle &link, ParameterSet &image,
                             const lang::MessageTable &messages, LinkDisplay &display)
    : m_link(link), m_image(image), m_messages(messages), m_display(display)
{
    m_link.addListener(*this);
}

LinkPresenter::~LinkPresenter() = default;

void LinkPresenter::openComPort(int comPort, const QString &devicePath)
{
    if (!m_link.openComPort(comPort, devicePath))
        m_display.showComOpeningError(m_messages.text(Msg::ComOpeningError));
}

void LinkPresenter::startRead()
{
    m_link.startRead(m_image);
    showStart(m_messages.text(Msg::Read) + kColon);
}

void LinkPresenter::startProgram()
{
    m_link.startProgram(m_image);
    showStart(m_messages.text(Msg::Programing) + kColon);
}

void LinkPresenter::startProgramAtOnce()
{
    m_link.startProgram(m_image);
    showStart(m_messages.text(Msg::Programing));
}

void LinkPresenter::startVerify()
{
    m_link.startVerify(m_image);
    showStart(m_messages.text(Msg::Verify) + kColon);
}

bool LinkPresenter::transferRuns() const
{
    return m_link.sequence() && !readOnlyRuns();
}

void LinkPresenter::startReadOnly(ParameterSet &into)
{
    m_link.startReadOnly(into);
}

// A new start also ends an earlier programming's "OK".
void LinkPresenter::showStart(const QString &text)
{
    m_programmedOk = false;
    m_line.show(text, LabelColour::Normal);
    m_line.reveal();
    m_line.setProgress(0);
    m_line.revealProgress();
}

void LinkPresenter::beginPrint(const QString &dateLine)
{
    m_line.showPrintLine(dateLine);
    m_display.setConnectionLabelVisible(false);
}

void LinkPresenter::endPrint()
{
    m_line.setColour(LabelColour::Normal);
}

void LinkPresenter::statusTaken(const MonitorValues &values)
{
    const MonitorDisplay display = m_monitor.decode(values, m_image.limiter(1));
    for (int i = 0; i < kMonitorLabelCount; ++i) {
        const auto label = MonitorLabel(i);
        const MonitorDisplay::Line &line = display.line(label);
        m_display.setMonitorText(label, line.text);
        if (line.colour)
            m_display.setMonitorColour(label, *line.colour);
    }
    m_display.setRpmGauge(display.rpmGauge);
    if (!display.versionMatches)
        m_display.setVersionLabelText(display.versionText);
    m_display.setVersionLabelVisible(!display.versionMatches);
    m_display.setEeDataErrorVisible(display.eeDataError);
}

void LinkPresenter::unitInfoTaken()
{
    m_display.setUnitTexts(decodeUnitInfo(m_image.page(0)));
}

void LinkPresenter::setChanged()
{
    m_display.showParameterSet();
}

bool LinkPresenter::readOnlyRuns() const
{
    return m_link.sequence() == SequenceKind::ReadOnly;
}

void LinkPresenter::phaseChanged(Phase phase)
{
    if (readOnlyRuns() || phase != Phase::Verify)
        return;
    m_line.show(m_messages.text(Msg::Verify) + kColon, LabelColour::Normal);
    m_line.reveal();
}

void LinkPresenter::progressChanged(int value)
{
    if (!readOnlyRuns())
        m_line.setProgress(value);
}

void LinkPresenter::sequenceEnded(const SequenceEnd &end)
{
    if (end.sequence == SequenceKind::ReadOnly)
        return;
    m_programmedOk = end.sequence == SequenceKind::Program && end.outcome == Outcome::Ok;
    showEnd(end);
}

void LinkPresenter::showEnd(const SequenceEnd &end)
{
    switch (end.outcome) {
    case Outcome::Ok:
        m_line.show(m_messages.text(Msg::Verify) + kOk, LabelColour::Normal);
        break;
    case Outcome::Failed:
    case Outcome::ReadProtected:
        m_line.show(failureText(end), LabelColour::Red);
        break;
    case Outcome::VersionMismatch:
        // The box waits for the end of the tick; the line stays with it.
        m_pendingVersionBox = failureText(end);
        break;
    }
}

QString LinkPresenter::failureText(const SequenceEnd &end) const
{
    switch (end.outcome) {
    case Outcome::Ok:
        break;
    case Outcome::Failed:
        // The device went away: the sequence as a whole failed, whatever its phase.
        if (end.deviceLost && end.sequence == SequenceKind::Program)
            return m_messages.text(Msg::ProgramError);
        if (end.deviceLost && end.sequence == SequenceKind::Verify)
            return m_messages.text(Msg::VerifyError);
        if (end.deviceLost)
            return m_messages.text(Msg::ReadError);
        if (end.phase == Phase::Program)
            return m_messages.text(Msg::ProgramError);
        if (end.phase == Phase::Verify)
            return m_messages.text(Msg::VerifyError);
        return m_messages.text(Msg::ReadError);
    case Outcome::ReadProtected:
        return m_messages.text(Msg::NoReading);
    case Outcome::VersionMismatch:
        return m_monitor.versionMismatchText(end.unitVersion);
    }
    return QString();
}

// A store still reported belongs to an earlier programming; it must not
// hide that the sequence since then failed.
void LinkPresenter::idleStep()
{
    const int countdown = m_link.saveCountdown();
    if (countdown > 0 && !m_line.showsFailure()) {
        m_line.show(m_messages.text(Msg::Saving), LabelColour::Normal);
        const int done = wire::status::kSaveFullCount - countdown;
        m_line.setProgress(
            std::max(0, PollCycle::kProgressMax * done / wire::status::kSaveFullCount));
    } else if (m_programmedOk) {
        m_line.setText(m_messages.text(Msg::Programing) + kOk);
        m_line.setProgress(PollCycle::kProgressMax);
    }
}

void LinkPresenter::tickEnded()
{
    // The line and the gauge stay while the version box is open.
    const bool boxOpen = m_pendingVersionBox || m_versionBoxOpen;
    if (!boxOpen && m_line.countDown())
        m_programmedOk = false;
    showConnection();
    m_display.setCurrentPoint(nearestCurvePoint(m_image, m_link.engineSpeed()));
    deliverVersionBox();
}

void LinkPresenter::portLost(const QString &devicePath)
{
    m_display.showStatusNote(m_messages.text(Msg::DeviceLost).arg(devicePath));
}

void LinkPresenter::portBack(const QString &devicePath)
{
    m_display.showStatusNote(m_messages.text(Msg::DeviceBack).arg(devicePath));
}

void LinkPresenter::showConnection()
{
    if (!m_link.noConnection()) {
        m_display.setConnectionLabelVisible(false);
        return;
    }
    const bool shown = !m_display.printMode();
    m_display.setConnectionLabelVisible(shown);
    if (shown)
        m_display.setVersionLabelVisible(false);
}

void LinkPresenter::deliverVersionBox()
{
    if (!m_pendingVersionBox)
        return;
    const QString text = *m_pendingVersionBox;
    m_pendingVersionBox.reset();
    m_versionBoxOpen = true;
    m_display.showVersionMismatch(text, [this] { versionBoxClosed(); });
}

// The line and the gauge go at the first tick after the box.
void LinkPresenter::versionBoxClosed()
{
    m_versionBoxOpen = false;
    m_line.release();
}
