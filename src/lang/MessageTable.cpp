#include "MessageTable.h"

namespace lang {

namespace {

struct Entry
{
    Msg msg;
    const char *text[kLanguageCount];
};

// Texts are shown letter for letter, spelling included.
const Entry kEntries[] = {
    {Msg::HelpFile, {"manual_zevras_en.pdf", "manual_zevras_de.pdf", "manual_zevras_fr.pdf",
                     "manual_zevras_cz.pdf"}},
    {Msg::ProgramError, {"Program error!", "", "", ""}},
    {Msg::VerifyError, {"Verify error!", "", "", ""}},
    {Msg::ReadError, {"Read error!", "", "", ""}},
    {Msg::Programing, {"Programing", "", "", ""}},
    {Msg::Verify, {"Verify", "", "", ""}},
    {Msg::Read, {"Read", "", "", ""}},
    {Msg::Saving, {"Saving:", "", "", ""}},
    {Msg::UnmatchedVersion, {"Unmatched version of PC and Ignition programs!", "", "", ""}},
    {Msg::UnmatchedIgnFile, {"Unmatched version of *.ign file!", "", "", ""}},
    {Msg::ComOpeningError, {"Com opening error!", "", "", ""}},
    {Msg::DefaultSettingQuestion, {"Do you want default setting?", "", "", ""}},
    {Msg::NoReading, {"No reading!", "", "", ""}},
    {Msg::PrintTimeHeading, {"Date and time of printing:  ", "", "", ""}},
    {Msg::Advance, {"Advance", "", "", ""}},
    {Msg::StartLimiter, {"Start limiter", "", "", ""}},
    {Msg::Limiter, {"Limiter", "", "", ""}},
    {Msg::GearShiftLight, {"Gear shift light", "", "", ""}},
    {Msg::ClutchMaster, {"Clutch master", "", "", ""}},
    {Msg::Retard, {"Retard", "", "", ""}},
    {Msg::MotorOff, {"Motor off", "", "", ""}},
    {Msg::NumberOfPrograming, {"Number of Programing= ", "", "", ""}},
    {Msg::PickUp, {"Pick-up (CPS)", "", "", ""}},
    {Msg::IsRunning, {" is running", "", "", ""}},
    {Msg::NoSignal, {" no signal", "", "", ""}},
    {Msg::PolarityOfCkps, {"Polarity of CKPS", "", "", ""}},
    {Msg::Positive, {"Positive", "", "", ""}},
    {Msg::Negative, {"Negative", "", "", ""}},
    {Msg::Yes, {"Yes", "", "", ""}},
    {Msg::No, {"No", "", "", ""}},
    {Msg::Input, {"Input", "", "", ""}},
    {Msg::Basic, {"Basic", "", "", ""}},
};

const char *const kFileErrorWord[kLanguageCount] = {"Open file error", "", "", ""};

} // namespace

void MessageTable::fill(quint8 language)
{
    m_language = language < kLanguageCount ? language : English;
    for (const Entry &entry : kEntries)
        m_texts[int(entry.msg)] = QString::fromUtf8(entry.text[m_language]);
    const QString word = QString::fromUtf8(kFileErrorWord[m_language]);
    m_texts[int(Msg::FileError)] = word + QLatin1String("!");
    m_texts[int(Msg::HelpError)] =
        word + QLatin1Char(' ') + text(Msg::HelpFile) + QLatin1String(" !");
}

} // namespace lang
