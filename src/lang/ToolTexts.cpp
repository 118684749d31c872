#include "ToolTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

struct ToolEntry
{
    Tool tool;
    const char *text[kLanguageCount];
};

const ToolEntry kToolTexts[] = {
    {Tool::CurveGraphTitle, {"Advance curve", "Zündkurve", "Courbe d'avance", "Křivka předstihu"}},
    {Tool::CurveGraphHint,
     {"Drag a point, or select it and move it with the arrow keys",
      "Punkt ziehen, oder anklicken und mit den Pfeiltasten verschieben",
      "Faites glisser un point, ou sélectionnez-le et déplacez-le avec les touches fléchées",
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
      "Der Verlauf der Kenndaten kann nicht gespeichert werden im Ordner ",
      "Impossible d'enregistrer l'historique des paramètres dans ",
      "Historii parametrů nelze uložit do "}},
    // The ride log viewer
    {Tool::RideLogTitle, {"Ride log", "Fahrtaufzeichnung", "Journal de roulage", "Záznam jízdy"}},
    {Tool::RideLogOpen, {"&Open…", "Ö&ffnen…", "&Ouvrir…", "&Otevřít…"}},
    {Tool::RideLogShowAll, {"Show &all", "&Alles zeigen", "Tout &afficher", "Zobrazit &vše"}},
    {Tool::RideLogExportTimeLine,
     {"Time line as PNG…", "Zeitachse als PNG…", "Chronologie en PNG…", "Časový průběh jako PNG…"}},
    {Tool::RideLogExportMap,
     {"Map as PNG…", "Kennfeld als PNG…", "Carte en PNG…", "Mapu jako PNG…"}},
    {Tool::RideLogExportRange,
     {"Visible range as CSV…", "Sichtbaren Bereich als CSV…", "Plage visible en CSV…",
      "Zobrazený úsek jako CSV…"}},
    {Tool::RideLogHint,
     {"Wheel or a box drawn with the right button zooms, dragging pans, Home shows all",
      "Mausrad oder ein mit der rechten Taste gezogener Rahmen zoomt, Ziehen verschiebt, Pos1 "
      "zeigt alles",
      "La molette ou un cadre tracé avec le bouton droit zoome, glisser déplace, Début affiche "
      "tout",
      "Kolečko nebo rámeček tažený pravým tlačítkem zvětší, tažení posune, Home ukáže vše"}},
    {Tool::RideLogSupplyLane, {"Supply [V]", "Versorgung [V]", "Alimentation [V]", "Napájení [V]"}},
    {Tool::RideLogShiftLight, {"Shift light", "Schaltblitz", "Voyant de passage", "LED řazení"}},
    {Tool::RideLogClutchMaster,
     {"Clutch master", "Kupplungsschalter", "Contacteur d'embrayage", "Spínač spojky"}},
    {Tool::RideLogKillSwitch, {"Kill switch", "Notaus", "Coupe-circuit", "Vypínač"}},
    {Tool::RideLogRetard, {"Retard", "Spätverstellung", "Retard", "Zpoždění"}},
    {Tool::RideLogInput1, {"Input 1", "Eingang 1", "Entrée 1", "Vstup 1"}},
    {Tool::RideLogInput2, {"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"}},
    {Tool::RideLogValue, {"Value", "Wert", "Valeur", "Hodnota"}},
    {Tool::RideLogRecorded, {"Recorded", "Aufgezeichnet", "Enregistré", "Zaznamenáno"}},
    {Tool::RideLogDuration, {"Duration", "Dauer", "Durée", "Trvání"}},
    {Tool::RideLogRows, {"Rows", "Zeilen", "Lignes", "Řádků"}},
    {Tool::RideLogHighestSpeed,
     {"Highest speed", "Höchste Drehzahl", "Régime maximal", "Nejvyšší otáčky"}},
    {Tool::RideLogShiftLightTime,
     {"Shift light on", "Schaltblitz an", "Voyant de passage allumé", "LED řazení svítila"}},
    {Tool::RideLogLimiterTime, {"In the limiter", "Im Begrenzer", "Au limitateur", "V omezovači"}},
    {Tool::RideLogLowestSupply,
     {"Lowest supply", "Niedrigste Versorgung", "Alimentation minimale", "Nejnižší napájení"}},
    {Tool::RideLogLongestGap,
     {"Longest silent gap", "Längste Lücke", "Plus longue interruption", "Nejdelší výpadek"}},
    {Tool::RideLogTimeAtPoint,
     {"Time at each point", "Zeit an jedem Punkt", "Temps à chaque point", "Čas v každém bodě"}},
    {Tool::RideLogSkipped,
     {"Skipped %1 lines that are no rows of the recording, the first at line %2",
      "%1 Zeilen übersprungen, die keine Zeilen der Aufzeichnung sind, die erste in Zeile %2",
      "%1 lignes ignorées qui ne sont pas des lignes de l'enregistrement, la première à la ligne "
      "%2",
      "Vynecháno %1 řádků, které nejsou řádky záznamu, první na řádku %2"}},
    {Tool::RideLogNotARecording,
     {"This is no recording of live values: ", "Das ist keine Aufzeichnung von Messwerten: ",
      "Ce n'est pas un enregistrement de valeurs : ", "Toto není záznam měřených hodnot: "}},
    {Tool::RideLogTooLarge,
     {"The file is too large to open as a ride log (%1 MB, at most %2 MB)",
      "Die Datei ist zu groß für eine Fahrtaufzeichnung (%1 MB, höchstens %2 MB)",
      "Le fichier est trop grand pour un journal de roulage (%1 Mo, au plus %2 Mo)",
      "Soubor je na záznam jízdy příliš velký (%1 MB, nejvýše %2 MB)"}},
    {Tool::RideLogCannotOpen,
     {"Cannot open ", "Kann nicht öffnen: ", "Impossible d'ouvrir ", "Nelze otevřít "}},
    {Tool::RideLogCannotWrite,
     {"Cannot write ", "Kann nicht speichern: ", "Impossible d'enregistrer ", "Nelze uložit "}},
    {Tool::RideLogEmpty,
     {"Open a recording made with Record live values or zevras-cli monitor --csv",
      "Öffnen Sie eine mit Messwerte aufzeichnen oder zevras-cli monitor --csv gemachte "
      "Aufzeichnung",
      "Ouvrez un enregistrement fait avec Enregistrer les valeurs ou zevras-cli monitor --csv",
      "Otevřete záznam pořízený funkcí Záznam měřených hodnot nebo zevras-cli monitor --csv"}},
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
    // Comparing sets and recording live values
    {Tool::StopRecording,
     {"Stop &recording", "&Aufzeichnung beenden", "Arrêter l'&enregistrement", "Ukončit zá&znam"}},
    {Tool::CompareTitle,
     {"Compare parameters", "Kenndaten vergleichen", "Comparer les paramètres",
      "Porovnání parametrů"}},
    {Tool::ColumnParameter, {"Parameter", "Kenndaten", "Paramètre", "Parametr"}},
    {Tool::ColumnWindow, {"Set", "Eingestellt", "Réglé", "Nastaveno"}},
    {Tool::ColumnUnit, {"Ignition", "Zündung", "Allumage", "Zapalování"}},
    {Tool::OnlyDifferences,
     {"Only differences", "Nur Unterschiede", "Seulement les différences", "Jen rozdíly"}},
    {Tool::DifferenceCount,
     {"Differences: %1", "Unterschiede: %1", "Différences : %1", "Rozdíly: %1"}},
    {Tool::ReadingUnit,
     {"Reading the ignition...", "Zündung wird gelesen...", "Lecture de l'allumage...",
      "Čtení zapalování..."}},
    {Tool::UnitBusy,
     {"The ignition is busy: compare when it is done",
      "Die Zündung ist beschäftigt: bitte danach vergleichen",
      "L'allumage est occupé : comparez ensuite", "Zapalování je zaneprázdněno: porovnejte potom"}},
    {Tool::CsvFiles,
     {"CSV files (*.csv)", "CSV-Dateien (*.csv)", "Fichiers CSV (*.csv)", "Soubory CSV (*.csv)"}},
    {Tool::Recording,
     {"Recording to %1: %2", "Aufzeichnung in %1: %2", "Enregistrement dans %1 : %2",
      "Záznam do %1: %2"}},
    {Tool::RecordingStopped,
     {"Recording stopped, %1: %2", "Aufzeichnung beendet, %1: %2", "Enregistrement arrêté, %1 : %2",
      "Záznam ukončen, %1: %2"}},
    {Tool::RecordWriteError,
     {"Recording stopped, cannot write %1: %2",
      "Aufzeichnung beendet, %1 kann nicht geschrieben werden: %2",
      "Enregistrement arrêté, impossible d'écrire %1 : %2", "Záznam ukončen, nelze zapsat %1: %2"}},
    {Tool::CannotRecordTo,
     {"Cannot write %1", "%1 kann nicht geschrieben werden", "Impossible d'écrire %1",
      "Nelze zapsat %1"}},
    {Tool::Motorcycle, {"Motorcycle", "Motorrad", "Moto", "Motocykl"}},
    {Tool::IgnitionsPerRevolution,
     {"Ignitions per revolution", "Zündungen pro Umdrehung", "Allumages par tour",
      "Zápaly za otáčku"}},
    {Tool::CurvePointSpeed,
     {"Point %1 RPM", "Punkt %1 Drehzahl", "Point %1 régime", "Bod %1 otáčky"}},
    {Tool::CurvePointAdvance,
     {"Point %1 advance", "Punkt %1 Vorzündung", "Point %1 avance", "Bod %1 předstih"}},
    // The curve graph's range edits and its second curve.
    {Tool::CurveRangeHint,
     {"Drag across points, or hold Shift with the arrow keys, to select a range",
      "Über Punkte ziehen, oder Umschalt mit den Pfeiltasten, um einen Bereich zu wählen",
      "Faites glisser sur des points, ou Maj avec les flèches, pour choisir une plage",
      "Rozsah vyberte tažením přes body, nebo šipkami se stisknutým Shift"}},
    {Tool::CurveMinusTip,
     {"One degree less on the selected points", "Ein Grad weniger an den gewählten Punkten",
      "Un degré de moins sur les points choisis", "O stupeň méně u vybraných bodů"}},
    {Tool::CurvePlusTip,
     {"One degree more on the selected points", "Ein Grad mehr an den gewählten Punkten",
      "Un degré de plus sur les points choisis", "O stupeň více u vybraných bodů"}},
    {Tool::CurveScale, {"Scale", "Skalieren", "Échelle", "Změnit"}},
    {Tool::CurveScaleTip,
     {"Advance of the selected points times this percentage",
      "Vorzündung der gewählten Punkte mal diesen Prozentsatz",
      "Avance des points choisis multipliée par ce pourcentage",
      "Předstih vybraných bodů krát toto procento"}},
    {Tool::CurveSmooth, {"Smooth", "Glätten", "Lisser", "Vyhladit"}},
    {Tool::CurveSmoothTip,
     {"Each selected point to the mean of itself and its neighbours",
      "Jeder gewählte Punkt auf den Mittelwert mit seinen Nachbarn",
      "Chaque point choisi à la moyenne de lui-même et de ses voisins",
      "Každý vybraný bod na průměr s jeho sousedy"}},
    {Tool::CurveInsert, {"Insert point", "Punkt einfügen", "Insérer un point", "Vložit bod"}},
    {Tool::CurveInsertTip,
     {"A new point halfway between the selected point and the next",
      "Ein neuer Punkt in der Mitte zwischen dem gewählten und dem nächsten Punkt",
      "Un nouveau point à mi-chemin entre le point choisi et le suivant",
      "Nový bod v polovině mezi vybraným a dalším bodem"}},
    {Tool::CurveDelete, {"Delete point", "Punkt löschen", "Supprimer le point", "Smazat bod"}},
    {Tool::CurveDeleteTip,
     {"Removes the selected point; the points above move down",
      "Entfernt den gewählten Punkt; die Punkte darüber rücken nach",
      "Supprime le point choisi ; les points au-dessus descendent",
      "Odstraní vybraný bod; body nad ním se posunou dolů"}},
    {Tool::SecondCurve, {"Second curve:", "Zweite Kurve:", "Seconde courbe :", "Druhá křivka:"}},
    {Tool::SecondCurveNone, {"None", "Keine", "Aucune", "Žádná"}},
    {Tool::SecondCurveFile, {"File…", "Datei…", "Fichier…", "Soubor…"}},
    {Tool::SecondCurveHistory,
     {"History entry…", "Eintrag im Verlauf…", "Entrée de l'historique…", "Záznam z historie…"}},
    {Tool::SecondCurveUnit, {"Unit", "Zündung", "Allumage", "Zapalování"}},
    {Tool::SecondCurveOfFile, {"Dashed: %1", "Gestrichelt: %1", "En tirets : %1", "Čárkovaně: %1"}},
    {Tool::SecondCurveOfUnit,
     {"Dashed: the unit, read at %1", "Gestrichelt: die Zündung, gelesen um %1",
      "En tirets : l'allumage, lu à %1", "Čárkovaně: zapalování, přečteno v %1"}},
    {Tool::SecondCurveBadFile,
     {"No curve can be read from %1", "Aus %1 kann keine Kurve gelesen werden",
      "Aucune courbe ne peut être lue dans %1", "Z %1 nelze přečíst křivku"}},
    {Tool::SecondCurveBusy,
     {"The unit is busy: choose its curve again when it is done",
      "Die Zündung ist beschäftigt: ihre Kurve danach erneut wählen",
      "L'allumage est occupé : choisissez sa courbe à nouveau ensuite",
      "Zapalování je zaneprázdněno: vyberte jeho křivku znovu potom"}},
};

static_assert(sizeof(kToolTexts) / sizeof(kToolTexts[0]) == int(Tool::Count),
              "every tool text has an entry");

// Recorded rows: one, two to four (Czech alone tells them apart), five and more.
const char *const kRows[kLanguageCount][3] = {
    {"%1 row", "%1 rows", "%1 rows"},
    {"%1 Zeile", "%1 Zeilen", "%1 Zeilen"},
    {"%1 ligne", "%1 lignes", "%1 lignes"},
    {"%1 řádek", "%1 řádky", "%1 řádků"},
};

} // namespace

QString toolText(Tool text, quint8 language)
{
    const int index = language < kLanguageCount ? language : English;
    for (const ToolEntry &entry : kToolTexts) {
        if (entry.tool == text)
            return QString::fromUtf8(entry.text[index]);
    }
    return QString();
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

} // namespace lang
