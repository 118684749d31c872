#include "SetHistory.h"

#include "ToolTexts.h"

#include <QDir>

std::optional<HistoryEvent> historyEventOf(const SequenceEnd &end)
{
    if (end.outcome != Outcome::Ok)
        return std::nullopt;
    if (end.sequence == SequenceKind::Read)
        return HistoryEvent::Read;
    if (end.sequence == SequenceKind::Program)
        return HistoryEvent::Programmed;
    return std::nullopt;
}

SetHistory::SetHistory(HistoryFolder folder, Say say)
    : m_folder(std::move(folder)), m_say(std::move(say))
{
}

// The file is a few hundred bytes written in one step after a transaction
// has ended, so writing it on the window's thread holds up neither the link
// nor the window noticeably.
void SetHistory::record(const ParameterSet &set, const QString &unit, HistoryEvent event,
                        quint8 language)
{
    if (m_folder.record(set, unit, event)) {
        m_failureSaid = false;
        return;
    }
    if (m_failureSaid)
        return;
    m_failureSaid = true;
    m_say(lang::toolText(lang::Tool::HistoryWriteError, language) +
          QDir::toNativeSeparators(m_folder.folder()));
}
