// The read, program and verify transactions of PollCycle: their starts and
// the step taken for each accepted answer.

#include "PollCycle.h"

#include "LinkView.h"
#include "MessageTable.h"
#include "ParameterSet.h"

#include <cstring>

using lang::Msg;

namespace {

// Page 1 as the unit holds it equals the image, ignoring the read protection
// flag that a unit may keep differently.
bool verifyMatches(const quint8 *answer, const quint8 *page1)
{
    constexpr int skipped = ParameterSet::NO_READING - ParameterSet::kPageSize;
    for (int k = 0; k < ParameterSet::kPageSize; ++k) {
        if (k != skipped && answer[k] != page1[k])
            return false;
    }
    return true;
}

} // namespace

void PollCycle::startRead()
{
    begin(LinkState::Reading, wire::CMD_READ_PAGE0, m_messages.text(Msg::Read) + kColon);
    m_view.clearFileName();
}

void PollCycle::startProgram()
{
    m_view.collectControls();
    normaliseAndShow();
    begin(LinkState::Programming, wire::CMD_WRITE_PAGE0, m_messages.text(Msg::Programing) + kColon);
    m_programmedOk = false;
}

void PollCycle::startVerify()
{
    m_view.collectControls();
    normaliseAndShow();
    begin(LinkState::Verifying, wire::CMD_READ_PAGE1, m_messages.text(Msg::Verify) + kColon);
    m_programmedOk = false;
}

void PollCycle::startProgramAtOnce()
{
    begin(LinkState::Programming, wire::CMD_WRITE_PAGE0, m_messages.text(Msg::Programing));
    m_programmedOk = false;
}

// The tick counter is left alone, so the first request goes out 1 to 4 ticks later.
void PollCycle::begin(LinkState state, quint8 command, const QString &text)
{
    m_linkState = state;
    m_commandByte = command;
    m_sendCount = 0;
    showMessage(text, LabelColour::Normal);
    m_view.setMessageVisible(true);
    setProgress(0);
    m_view.setProgressVisible(true);
}

void PollCycle::takeAnswer(int page, const quint8 *data)
{
    switch (m_linkState) {
    case LinkState::Reading:
        takeReadAnswer(page, data);
        break;
    case LinkState::Programming:
        takeProgramAnswer(page, data);
        break;
    case LinkState::Verifying:
        takeVerifyAnswer(data);
        break;
    case LinkState::Idle:
        break;
    }
}

void PollCycle::takeReadAnswer(int page, const quint8 *data)
{
    m_image.setPage(page, data);
    if (page == 1) {
        normaliseAndShow();
        beginVerify();
        return;
    }
    rebuildIdentification();
    if (versionMismatch()) {
        normaliseAndShow();
        return;
    }
    if (m_image.at(wire::info::READ_ALLOWED) != 1) {
        showMessage(m_messages.text(Msg::NoReading), LabelColour::Red);
        m_linkState = LinkState::Idle;
        normaliseAndShow();
        return;
    }
    setProgress(m_progress + 1);
    sendNextPage(wire::CMD_READ_PAGE1);
}

void PollCycle::takeProgramAnswer(int page, const quint8 *data)
{
    if (page == 0) {
        m_image.setPage(0, data);
        rebuildIdentification();
        normaliseAndShow();
        if (versionMismatch())
            return;
        setProgress(m_progress + 1);
        sendNextPage(wire::CMD_WRITE_PAGE1);
        return;
    }
    // A different echo is left to the resends, which end in "Program error!".
    if (std::memcmp(data, m_image.page(1), ParameterSet::kPageSize) != 0)
        return;
    m_programmedOk = true;
    beginVerify();
}

void PollCycle::takeVerifyAnswer(const quint8 *data)
{
    if (!verifyMatches(data, m_image.page(1)))
        return;
    setProgress(kProgressMax);
    showMessage(m_messages.text(Msg::Verify) + kOk, LabelColour::Normal);
    m_linkState = LinkState::Idle;
    // The unit has been storing since it took page 1, but no status has come
    // during the transaction: count the store as just begun, so "OK" waits
    // for the unit to report it done.
    if (m_programmedOk)
        m_saveCountdown = wire::status::kSaveFullCount;
}

void PollCycle::beginVerify()
{
    m_linkState = LinkState::Verifying;
    sendNextPage(wire::CMD_READ_PAGE1);
    showMessage(m_messages.text(Msg::Verify) + kColon, LabelColour::Normal);
    m_view.setMessageVisible(true);
    setProgress(0);
}

void PollCycle::sendNextPage(quint8 command)
{
    m_commandByte = command;
    m_sendCount = 1;
    sendRequest();
}

// Ends the transaction when the unit's page 0 carries another data format.
// The box waits for the end of the tick, when the link's state is complete.
bool PollCycle::versionMismatch()
{
    const int unitVersion = m_image.at(wire::info::FORMAT_VERSION);
    if (unitVersion == wire::PC_FORMAT_VERSION)
        return false;
    m_linkState = LinkState::Idle;
    m_messageTicks = 0;
    m_pendingVersionBox = m_monitor.versionMismatchText(unitVersion);
    return true;
}

void PollCycle::rebuildIdentification()
{
    m_identification = decodeUnitInfo(m_image.page(0));
}

void PollCycle::normaliseAndShow()
{
    m_image.NormaliseParameterSet();
    m_view.showParameterSet();
}
