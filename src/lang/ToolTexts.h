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
    // The curve graph's range edits and its second curve.
    CurveRangeHint,
    CurveMinusTip,
    CurvePlusTip,
    CurveScale,
    CurveScaleTip,
    CurveSmooth,
    CurveSmoothTip,
    CurveInsert,
    CurveInsertTip,
    CurveDelete,
    CurveDeleteTip,
    SecondCurve,
    SecondCurveNone,
    SecondCurveFile,
    SecondCurveHistory,
    SecondCurveUnit,
    SecondCurveOfFile,  // %1 the file
    SecondCurveOfUnit,  // %1 the time of the read
    SecondCurveBadFile, // %1 the file
    SecondCurveBusy,
    Count
};

// An index above 3 counts as English.
QString toolText(Tool text, quint8 language);

} // namespace lang
