#include "TuningTexts.h"

#include "ControlTexts.h"
#include "MessageTable.h"

#include <QRegularExpression>

#include <iterator>

namespace lang {

namespace {

struct Entry
{
    TuningText id;
    const char *text[kLanguageCount];
};

const Entry kEntries[] = {
    {TuningText::StopRecording,
     {"Stop &recording", "&Aufzeichnung beenden", "Arrêter l'&enregistrement", "Ukončit zá&znam"}},
    {TuningText::CompareTitle,
     {"Compare parameters", "Kenndaten vergleichen", "Comparer les paramètres",
      "Porovnání parametrů"}},
    {TuningText::ColumnParameter, {"Parameter", "Kenndaten", "Paramètre", "Parametr"}},
    {TuningText::ColumnWindow, {"Set", "Eingestellt", "Réglé", "Nastaveno"}},
    {TuningText::ColumnUnit, {"Ignition", "Zündung", "Allumage", "Zapalování"}},
    {TuningText::OnlyDifferences,
     {"Only differences", "Nur Unterschiede", "Seulement les différences", "Jen rozdíly"}},
    {TuningText::DifferenceCount,
     {"Differences: %1", "Unterschiede: %1", "Différences : %1", "Rozdíly: %1"}},
    {TuningText::ReadingUnit,
     {"Reading the ignition...", "Zündung wird gelesen...", "Lecture de l'allumage...",
      "Čtení zapalování..."}},
    {TuningText::UnitBusy,
     {"The ignition is busy: compare when it is done",
      "Die Zündung ist beschäftigt: bitte danach vergleichen",
      "L'allumage est occupé : comparez ensuite", "Zapalování je zaneprázdněno: porovnejte potom"}},
    {TuningText::CsvFiles,
     {"CSV files (*.csv)", "CSV-Dateien (*.csv)", "Fichiers CSV (*.csv)", "Soubory CSV (*.csv)"}},
    {TuningText::Recording,
     {"Recording to %1: %2", "Aufzeichnung in %1: %2", "Enregistrement dans %1 : %2",
      "Záznam do %1: %2"}},
    {TuningText::RecordingStopped,
     {"Recording stopped, %1: %2", "Aufzeichnung beendet, %1: %2", "Enregistrement arrêté, %1 : %2",
      "Záznam ukončen, %1: %2"}},
    {TuningText::RecordWriteError,
     {"Recording stopped, cannot write %1: %2",
      "Aufzeichnung beendet, %1 kann nicht geschrieben werden: %2",
      "Enregistrement arrêté, impossible d'écrire %1 : %2", "Záznam ukončen, nelze zapsat %1: %2"}},
    {TuningText::CannotRecordTo,
     {"Cannot write %1", "%1 kann nicht geschrieben werden", "Impossible d'écrire %1",
      "Nelze zapsat %1"}},
    {TuningText::Motorcycle, {"Motorcycle", "Motorrad", "Moto", "Motocykl"}},
    {TuningText::IgnitionsPerRevolution,
     {"Ignitions per revolution", "Zündungen pro Umdrehung", "Allumages par tour",
      "Zápaly za otáčku"}},
    {TuningText::CurvePointSpeed,
     {"Point %1 RPM", "Punkt %1 Drehzahl", "Point %1 régime", "Bod %1 otáčky"}},
    {TuningText::CurvePointAdvance,
     {"Point %1 advance", "Punkt %1 Vorzündung", "Point %1 avance", "Bod %1 předstih"}},
};
static_assert(sizeof kEntries / sizeof kEntries[0] == int(TuningText::Count),
              "every tool text has its entry");

// Recorded rows: one, two to four (Czech alone tells them apart), five and more.
const char *const kRows[kLanguageCount][3] = {
    {"%1 row", "%1 rows", "%1 rows"},
    {"%1 Zeile", "%1 Zeilen", "%1 Zeilen"},
    {"%1 ligne", "%1 lignes", "%1 lignes"},
    {"%1 řádek", "%1 řádky", "%1 řádků"},
};

// Keys whose name is the caption of a control of the window, by number.
struct CaptionOf
{
    const char *key;
    const char *controls[3];
};

const CaptionOf kCaptions[] = {
    {"POCET_BODU", {"LabelPocetBodu"}},
    {"BASE_ADV", {"LabelBaseAdv"}},
    {"LIMITER", {"LabelOmez1", "LabelOmez2", "LabelRetard"}},
    {"POLARITA", {"RadioGroupPolarita"}},
    {"PILOT_LIGHT", {"LabelLedRazeni"}},
    {"REV_OUT_PILOT_LIGHT", {"CheckBoxRevOutLedRazeni"}},
    {"NO_READING", {"CheckBoxZakazCteni"}},
    {"RPM", {"LabelRpmPulsu", "LabelRpmKorekce"}},
    {"INPUT", {"RadioGroupInput1", "RadioGroupInput2"}},
};

// Keys whose values the window shows as entries of a list or radio group.
const CaptionOf kItems[] = {
    {"POLARITA", {"RadioGroupPolarita"}},
    {"GEBER_NR", {"ComboBoxPocPalcu"}},
    {"INPUT", {"RadioGroupInput1", "RadioGroupInput2"}},
};

const char *controlOf(const CaptionOf *table, int size, const QString &key, int number)
{
    for (int i = 0; i < size; ++i) {
        if (key == QLatin1String(table[i].key))
            return number >= 1 && number <= 3 ? table[i].controls[number - 1] : nullptr;
    }
    return nullptr;
}

// The window shows the clutch master's captions alike in every language.
const char *const kClutch[] = {"Clutch master time", "Clutch master pause"};

// "Limiter [rpm]" is "Limiter", "Polarity of CPS:" is "Polarity of CPS".
QString withoutUnit(const QString &caption)
{
    static const QRegularExpression unitOrColon(QStringLiteral("\\s*(\\[[^]]*\\])?\\s*:?\\s*$"));
    return withoutAccessKeys(caption).remove(unitOrColon);
}

} // namespace

QString tuningText(quint8 language, TuningText text)
{
    const quint8 index = language < kLanguageCount ? language : English;
    const Entry &entry = kEntries[int(text)];
    Q_ASSERT(entry.id == text); // the table keeps the order of the enum
    return QString::fromUtf8(entry.text[index]);
}

QString rowCount(quint8 language, int rows)
{
    const quint8 index = language < kLanguageCount ? language : English;
    // French counts nought as one; Czech has a form of its own for two to four.
    const int form = rows == 1 || (rows == 0 && index == French) ? 0
                     : rows >= 2 && rows <= 4                    ? 1
                                                                 : 2;
    return QString::fromUtf8(kRows[index][form]).arg(rows);
}

QString parameterName(quint8 language, const QString &key, int number)
{
    if (key == QLatin1String("BIKE"))
        return tuningText(language, TuningText::Motorcycle);
    if (key == QLatin1String("GEBER_NR"))
        return tuningText(language, TuningText::IgnitionsPerRevolution);
    if (key == QLatin1String("RPM_ADV"))
        return tuningText(language, TuningText::CurvePointSpeed).arg(number);
    if (key == QLatin1String("ADVANCE"))
        return tuningText(language, TuningText::CurvePointAdvance).arg(number);
    if (key == QLatin1String("CLUTCH") && number >= 1 && number <= 2)
        return QLatin1String(kClutch[number - 1]);
    const char *control = controlOf(kCaptions, int(std::size(kCaptions)), key, number);
    if (!control)
        return QString();
    return withoutUnit(ControlTexts(language).caption(QLatin1String(control)));
}

QString parameterItem(quint8 language, const QString &key, int number, int index)
{
    const char *control = controlOf(kItems, int(std::size(kItems)), key, number);
    if (!control)
        return QString();
    const QStringList items = ControlTexts(language).items(QLatin1String(control));
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

} // namespace lang
