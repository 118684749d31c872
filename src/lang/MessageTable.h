#pragma once

#include <QString>

#include <array>

// The texts of the current language that messages, the monitor and the
// dialogs show. Filled for one language at a time; read by whoever shows a text.
namespace lang {

enum Language : quint8
{
    English = 0,
    German = 1,
    French = 2,
    Czech = 3
};
constexpr int kLanguageCount = 4;

enum class Msg : int
{
    HelpFile,
    ProgramError,
    VerifyError,
    ReadError,
    Programing,
    Verify,
    Read,
    Saving,
    UnmatchedVersion,
    UnmatchedIgnFile,
    ComOpeningError,
    DefaultSettingQuestion,
    NoReading,
    PrintTimeHeading,
    Advance,
    StartLimiter,
    Limiter,
    GearShiftLight,
    ClutchMaster,
    Retard,
    MotorOff,
    NumberOfPrograming,
    PickUp,
    IsRunning, // directly before NoSignal: the first of the pair means "flag set"
    NoSignal,
    PolarityOfCkps,
    Positive,
    Negative,
    Yes, // directly before No
    No,
    Input,
    Basic,
    // The program's own additions; %1 and %2 are filled in where they are shown.
    PortOpenFailed,    // status line: %1 the device, %2 the system's reason
    PdfNotWritten,     // %1 the PDF file
    PrinterRefusedJob, // %1 the printer
    NoPrinter,
    NoDefaultPrinter,
    PrintingNotInstalled,
    NoViewer,  // %1 the manual
    FileError, // composed: the file-error word + "!"
    HelpError, // composed: the file-error word + " " + help file + " !"
    // A device that went away and came back; %1 the device.
    DeviceLost, // status line
    DeviceBack, // status line
    // A programming cut short after the unit took the new set.
    UnitMayHoldUnverified,
    // A second window on the same settings folder; %1 the folder.
    AnotherWindowRuns,
    Count
};

class MessageTable
{
public:
    MessageTable() { fill(English); }

    // Fills every entry for the language; an index above 3 counts as English.
    void fill(quint8 language);

    quint8 language() const { return m_language; }
    const QString &text(Msg msg) const { return m_texts[int(msg)]; }
    // The first of a pair (Yes/No, IsRunning/NoSignal) when the flag is set.
    const QString &pick(Msg whenSet, bool flag) const
    {
        return m_texts[int(whenSet) + (flag ? 0 : 1)];
    }

private:
    quint8 m_language = English;
    std::array<QString, int(Msg::Count)> m_texts;
};

// Caption of the about box; null for an index above 3, which leaves its caption as it is.
QString aboutCaption(quint8 language);

} // namespace lang
