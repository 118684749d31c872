#pragma once

#include <QString>

// Texts of the tool windows (the advance curve graph, the history of sets,
// the ride log, comparing sets and recording live values) in the four
// languages, looked up by the language index.
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
    // The ride log viewer
    RideLogTitle,
    RideLogOpen,
    RideLogShowAll,
    RideLogExportTimeLine,
    RideLogExportMap,
    RideLogExportRange,
    RideLogHint,
    RideLogSupplyLane,
    RideLogShiftLight,
    RideLogClutchMaster,
    RideLogKillSwitch,
    RideLogRetard,
    RideLogInput1,
    RideLogInput2,
    RideLogValue,
    RideLogRecorded,
    RideLogDuration,
    RideLogRows,
    RideLogHighestSpeed,
    RideLogShiftLightTime,
    RideLogLimiterTime,
    RideLogLowestSupply,
    RideLogLongestGap,
    RideLogTimeAtPoint,
    RideLogSkipped,       // %1 lines, %2 the first line number
    RideLogNotARecording, // followed by the path
    RideLogTooLarge,      // %1 the file's size, %2 the largest, in MB
    RideLogCannotOpen,    // followed by the path
    RideLogCannotWrite,   // followed by the path
    RideLogEmpty,
    // History entries kept true: not confirmed, read again, notes, comparing, read-only
    HistoryUnconfirmed,
    HistoryReadAgain, // %1: how many more reads
    HistoryNote,
    HistoryNoteLabel,
    HistoryCompare,
    HistoryFromHistory, // %1: the entry's date and time
    HistorySaveRefused,
    // Which set is in the unit
    NotInUnit,
    // Comparing sets and recording live values
    StopRecording, // the record item's caption while a recording runs
    CompareTitle,
    ColumnParameter,
    ColumnWindow,
    ColumnUnit, // the other set when it came from the unit
    OnlyDifferences,
    DifferenceCount, // "%1": the number of rows that differ
    ReadingUnit,
    UnitBusy,
    CsvFiles,
    Recording,        // "%1" file, "%2" rows
    RecordingStopped, // "%1" file, "%2" rows
    RecordWriteError, // "%1" file, "%2" the system's reason
    CannotRecordTo,   // "%1" file
    Motorcycle,       // parameters without a caption of their own in the window
    IgnitionsPerRevolution,
    CurvePointSpeed,   // "%1": point number
    CurvePointAdvance, // "%1": point number
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

// "1 row", "3 rows", in the language's plural forms.
QString rowCount(quint8 language, int rows);

} // namespace lang
