#include "ToolTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

struct Entry
{
    Tool tool;
    const char *text[kLanguageCount];
};

const Entry kEntries[] = {
    {Tool::CurveGraphTitle, {"Advance curve", "Zündkurve", "Courbe d'avance", "Křivka předstihu"}},
    {Tool::CurveGraphHint,
     {"Drag a point, or select it and move it with the arrow keys",
      "Punkt ziehen, oder anklicken und mit den Pfeiltasten verschieben",
      "Faites glisser un point, ou choisissez-le et déplacez-le avec les flèches",
      "Bod táhněte myší, nebo jej vyberte a posuňte šipkami"}},
    {Tool::EngineSpeedAxis,
     {"Engine speed [rpm]", "Drehzahl [rpm]", "Régime moteur [rpm]", "Otáčky motoru [rpm]"}},
    {Tool::AdvanceAxis, {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {Tool::BaseAdvance,
     {"Base advance", "Basis Vorzündung", "Avance de base", "Základní předstih"}},
    {Tool::StartLimiter,
     {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {Tool::Limiter, {"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
    {Tool::HistoryTitle,
     {"History of sets", "Verlauf der Kenndaten", "Historique des paramètres",
      "Historie parametrů"}},
    {Tool::HistoryWhen, {"Date and time", "Datum und Uhrzeit", "Date et heure", "Datum a čas"}},
    {Tool::HistoryUnit, {"Unit", "Zündung", "Allumage", "Zapalování"}},
    {Tool::HistoryEvent, {"Event", "Vorgang", "Opération", "Událost"}},
    {Tool::HistoryRead, {"read", "gelesen", "lu", "přečteno"}},
    {Tool::HistoryProgrammed, {"programmed", "programmiert", "programmé", "naprogramováno"}},
    {Tool::HistoryOpen, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {Tool::HistoryClose, {"&Close", "&Schließen", "&Fermer", "&Zavřít"}},
    {Tool::HistoryEmpty,
     {"No set has been read or programmed yet.",
      "Es wurden noch keine Kenndaten gelesen oder programmiert.",
      "Aucun paramètre n'a encore été lu ou programmé.",
      "Zatím nebyly přečteny ani naprogramovány žádné parametry."}},
    {Tool::HistoryWriteError,
     {"The history of sets cannot be written to ",
      "Der Verlauf der Kenndaten kann nicht gespeichert werden in ",
      "Impossible d'enregistrer l'historique des paramètres dans ",
      "Historii parametrů nelze uložit do "}},
    // History entries kept true: not confirmed, read again, notes, comparing, read-only
    {Tool::HistoryUnconfirmed,
     {"programmed, storing not confirmed", "programmiert, Speichern nicht bestätigt",
      "programmé, enregistrement non confirmé", "naprogramováno, uložení nepotvrzeno"}},
    {Tool::HistoryReadAgain,
     {", read again %1×", ", erneut gelesen %1×", ", relu %1×", ", znovu přečteno %1×"}},
    {Tool::HistoryNote, {"Note", "Notiz", "Note", "Poznámka"}},
    {Tool::HistoryNoteLabel,
     {"&Note (customer, bike, plate):", "&Notiz (Kunde, Motorrad, Kennzeichen):",
      "&Note (client, moto, immatriculation) :", "Poznámk&a (zákazník, motocykl, SPZ):"}},
    {Tool::HistoryCompare,
     {"Co&mpare the two selected", "Die zwei gewählten &vergleichen", "Co&mparer les deux choisis",
      "&Porovnat dvě vybrané"}},
    {Tool::HistoryFromHistory,
     {"From the history of sets, %1", "Aus dem Verlauf der Kenndaten, %1",
      "De l'historique des paramètres, %1", "Z historie parametrů, %1"}},
    {Tool::HistorySaveRefused,
     {"The history of sets stays as it was recorded. Save the set in another folder.",
      "Der Verlauf der Kenndaten bleibt, wie er aufgezeichnet wurde. Speichern Sie die "
      "Kenndaten in einem anderen Ordner.",
      "L'historique des paramètres reste tel qu'il a été enregistré. Enregistrez les "
      "paramètres dans un autre dossier.",
      "Historie parametrů zůstává tak, jak byla zaznamenána. Uložte parametry do jiné "
      "složky."}},
    // Which set is in the unit
    {Tool::NotInUnit,
     {"not in the unit", "nicht in der Zündung", "pas dans l'allumage", "není v zapalování"}},
};

static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == int(Tool::Count),
              "every tool text has an entry");

} // namespace

QString toolText(Tool text, quint8 language)
{
    const int index = language < kLanguageCount ? language : English;
    for (const Entry &entry : kEntries) {
        if (entry.tool == text)
            return QString::fromUtf8(entry.text[index]);
    }
    return QString();
}

} // namespace lang
