#pragma once

#include <QString>

// Texts of the tool windows (the advance curve graph and the history of
// sets) in the four languages, looked up by the language index.
namespace lang {

enum class Tool : int
{
    CurveGraphTitle,
    CurveGraphHint,
    EngineSpeedAxis,
    AdvanceAxis,
    BaseAdvance,
    StartLimiter,
    Limiter,
    HistoryTitle,
    HistoryWhen,
    HistoryUnit,
    HistoryEvent,
    HistoryRead,
    HistoryProgrammed,
    HistoryOpen,
    HistoryClose,
    HistoryEmpty,
    HistoryWriteError, // followed by the folder
    Count
};

// An index above 3 counts as English.
QString toolText(Tool text, quint8 language);

} // namespace lang
