#pragma once

#include <QString>

// Texts of the tuning tools (comparing sets, recording live values) in the
// four languages, and the names the comparison gives the parameters.
namespace lang {

enum class TuningText : int
{
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
    Count
};

// An index above 3 counts as English.
QString tuningText(quint8 language, TuningText text);

// "1 row", "3 rows", in the language's plural forms.
QString rowCount(quint8 language, int rows);

// The parameter of the .ign file key (number counted from 1 within the key)
// as the window names it: the caption of its control where there is one,
// without access key, trailing colon or unit; otherwise a name of its own.
// Null for a key this table does not know.
QString parameterName(quint8 language, const QString &key, int number);

// The entry the window's list or radio group shows for a coded parameter at
// that list index; null for a parameter without a list or an index beyond it.
QString parameterItem(quint8 language, const QString &key, int number, int index);

} // namespace lang
